#include "window/confirmation.h"

#include <QRect>
#include <QToolTip>
#include <QWidget>

namespace fontedit::window {
namespace {

constexpr int kShownMilliseconds = 4000;

}  // namespace

void confirm(QWidget* near, const QString& text) {
    QToolTip::showText(near->mapToGlobal(QPoint(0, near->height())), text, near, QRect(),
                       kShownMilliseconds);
}

}  // namespace fontedit::window
