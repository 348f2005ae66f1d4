#include "window/pixel_button.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>

#include "window/look.h"

namespace fontedit::window {
namespace {

// An unlit face is the design's &H8000000F&, the system colour of button faces, which is the
// palette's Button.
constexpr QPalette::ColorRole kUnlitFace = QPalette::Button;

// The ring runs inside the bevel and leaves the middle of the face alone, so the face keeps
// exactly its colour where the eye (and a test) looks, lit or unlit.
constexpr int kFocusInset = 3;
constexpr int kFocusWidth = 2;

}  // namespace

PixelButton::PixelButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void PixelButton::setLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    update();
}

QColor PixelButton::faceColour() const {
    return lit_ ? QColor(kLitColour) : palette().color(kUnlitFace);
}

void PixelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face(faceColour());
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
    if (hasFocus()) {
        // An outline only: the styles' focus frames fill the face with a translucent tint.
        // Four filled bars, as a pen two pixels wide goes through the path stroker, which
        // made each click a seventh dearer.
        const QRect outer = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        const QRect inner = outer.adjusted(kFocusWidth, kFocusWidth, -kFocusWidth, -kFocusWidth);
        const QColor ring = palette().color(QPalette::Highlight);
        painter.fillRect(outer.left(), outer.top(), outer.width(), kFocusWidth, ring);
        painter.fillRect(outer.left(), inner.bottom() + 1, outer.width(), kFocusWidth, ring);
        painter.fillRect(outer.left(), inner.top(), kFocusWidth, inner.height(), ring);
        painter.fillRect(inner.right() + 1, inner.top(), kFocusWidth, inner.height(), ring);
    }
}

void PixelButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            emit focusStepRequested(-1, 0);
            break;
        case Qt::Key_Right:
            emit focusStepRequested(1, 0);
            break;
        case Qt::Key_Up:
            emit focusStepRequested(0, -1);
            break;
        case Qt::Key_Down:
            emit focusStepRequested(0, 1);
            break;
        default:
            QAbstractButton::keyPressEvent(event);
    }
}

}  // namespace fontedit::window
