#pragma once

// Counts the paint events of the whole application, so a timed action can prove that it
// included the repaint it caused.
#include <QObject>

namespace fontedit::bench {

class PaintCounter : public QObject {
public:
    PaintCounter();
    long count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    long count_ = 0;
};

}  // namespace fontedit::bench
