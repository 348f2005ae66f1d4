#include "window/pixel_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "state/pixels.h"

namespace fontedit::window {
namespace {

// Inside the bevel, clear of the centre the tests and the eye look at.
constexpr int kFocusInset = 4;

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
    return lit_ ? QColor(state::kLitRed, state::kLitGreen, state::kLitBlue)
                : palette().color(QPalette::Button);
}

void PixelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face(faceColour());
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        option.backgroundColor = faceColour();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace fontedit::window
