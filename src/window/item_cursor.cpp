#include "window/item_cursor.h"

#include <QAccessible>
#include <QWidget>

namespace fontedit::window {

std::optional<int> cursorStep(int key, int columns, int page) {
    switch (key) {
        case Qt::Key_Left:
            return -1;
        case Qt::Key_Right:
            return 1;
        case Qt::Key_Up:
            return -columns;
        case Qt::Key_Down:
            return columns;
        case Qt::Key_PageUp:
            return page > 0 ? std::optional(-page) : std::nullopt;
        case Qt::Key_PageDown:
            return page > 0 ? std::optional(page) : std::nullopt;
        default:
            return std::nullopt;
    }
}

bool choosesItem(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void announceCursor(QWidget& view, int index) {
    // Asked only while a screen reader listens: the question makes the interfaces.
    if (view.hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(&view, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace fontedit::window
