#pragma once

// A push button whose caption wraps onto further lines when it is wider than the button, as
// "Cヘッダ生成" must on its tall, narrow button.
#include <QPushButton>

namespace fontedit::window {

class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fontedit::window
