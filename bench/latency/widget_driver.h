#pragma once

// Drives the real window as a user does, with mouse and key events, and times one user action
// from its first event to the end of the repaint it caused.
#include <QKeySequence>
#include <QString>
#include <functional>

#include "bench/latency/paint_counter.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace fontedit::bench {

class WidgetDriver {
public:
    explicit WidgetDriver(QWidget& window) : window_(window) {}

    QAbstractButton* button(const QString& name, int index = -1) const;
    QLineEdit* field(const QString& name) const;

    // Replaces a field's text by typing it, untimed.
    void type(QLineEdit* field, const QString& text);

    // Microseconds from the event that makes the window act (the release of a click, the
    // press of a key) to the end of the repaint; throws if nothing was repainted.
    double timeClick(QAbstractButton* button);
    double timeKeys(QWidget* focused, const QKeySequence& keys);
    // A pixel acts on the press and ends its undo step on the release: both are timed.
    double timePixelClick(QAbstractButton* pixel);
    // The whole window painted again at once.
    double timeRepaint();
    // Any other action, as its events would start it.
    double timeAction(const std::function<void()>& action);

private:
    template <typename Action>
    double timed(Action action);

    QWidget& window_;
    PaintCounter paints_;
};

}  // namespace fontedit::bench
