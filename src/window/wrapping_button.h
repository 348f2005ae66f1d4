#pragma once

// A push button whose caption wraps onto further lines when it is wider than the button, as
// "Cヘッダ生成" must on its tall, narrow button, at a change of script. A caption of one
// script, such as "Export font.h", takes a font a pixel smaller where that keeps it on one line.
#include <QPushButton>

class QFontMetrics;

namespace fontedit::window {

// The caption as the button draws it into `width`: with a line break at the last change of
// script whose first line fits; unchanged when it fits on one line or has no such place.
QString wrappedCaption(const QString& caption, const QFontMetrics& metrics, int width);

class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int contentsWidth() const;
};

}  // namespace fontedit::window
