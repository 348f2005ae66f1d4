#pragma once

// Turns the mouse on the pixel buttons into grid actions: a left press, moves over pixels
// with the button held, its release, and a context menu from the right button or the Menu
// key; and tells when a pixel gets the focus. The press takes the place of the button's own click,
// so a click toggles once.
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace fontedit::window {

class PixelGridEvents : public QObject {
public:
    struct Handlers {
        std::function<void(QWidget* pixel)> press;
        std::function<void(QWidget* pixel)> over;
        std::function<void()> release;
        std::function<void(const QPoint& globalPosition)> menu;
        std::function<void(QWidget* pixel)> focus;
    };

    // `grid` is the widget the pixels lie in; `isPixel` tells a pixel among its children.
    PixelGridEvents(QWidget& grid, std::function<bool(QWidget*)> isPixel, Handlers handlers);

    void watch(QWidget* pixel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& grid_;
    std::function<bool(QWidget*)> isPixel_;
    Handlers handlers_;
    bool dragging_ = false;
};

}  // namespace fontedit::window
