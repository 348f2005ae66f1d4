#include "window/pixel_grid_events.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWidget>

namespace fontedit::window {

PixelGridEvents::PixelGridEvents(QWidget& grid, std::function<bool(QWidget*)> isPixel,
                                 Handlers handlers)
    : QObject(&grid), grid_(grid), isPixel_(std::move(isPixel)), handlers_(std::move(handlers)) {}

void PixelGridEvents::watch(QWidget* pixel) {
    pixel->installEventFilter(this);
}

bool PixelGridEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            QWidget* pixel = grid_.childAt(grid_.mapFromGlobal(mouse->globalPosition().toPoint()));
            if (!isPixel_(pixel)) return false;
            dragging_ = true;
            handlers_.press(pixel);
            return true;
        }
        case QEvent::MouseMove: {
            // The pressed button has the mouse until the release, wherever the pointer goes.
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!dragging_ || !(mouse->buttons() & Qt::LeftButton)) return false;
            QWidget* pixel = grid_.childAt(grid_.mapFromGlobal(mouse->globalPosition().toPoint()));
            if (isPixel_(pixel)) handlers_.over(pixel);
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!dragging_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
                return false;
            }
            dragging_ = false;
            handlers_.release();
            return true;
        case QEvent::ContextMenu:
            handlers_.menu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::FocusIn:
            handlers_.focus(static_cast<QWidget*>(watched));
            return false;
        default:
            return false;
    }
}

}  // namespace fontedit::window
