#include "window/message_icon.h"

#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>

namespace fontedit::window {
namespace {

// The names of the freedesktop icon naming specification.
QString freedesktopName(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Question:
            return QStringLiteral("dialog-question");
        case QMessageBox::Warning:
            return QStringLiteral("dialog-warning");
        case QMessageBox::Critical:
            return QStringLiteral("dialog-error");
        case QMessageBox::Information:
            return QStringLiteral("dialog-information");
        case QMessageBox::NoIcon:
            break;
    }
    return {};
}

}  // namespace

void showThemeIcon(QMessageBox& box) {
    const QString name = freedesktopName(box.icon());
    if (name.isEmpty()) return;
    QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull()) icon = box.iconPixmap();
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const qreal ratio = box.devicePixelRatioF();
    const QSize pixels = QSize(size, size) * ratio;
    QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
    // A theme without an image this large gives a smaller one, which the label would blow up
    // pixel by pixel; smoothed, its edges at least stay clean.
    if (pixmap.size() != pixels) {
        pixmap = pixmap.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    box.setIconPixmap(pixmap);
}

}  // namespace fontedit::window
