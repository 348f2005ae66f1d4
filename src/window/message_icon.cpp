#include "window/message_icon.h"

#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>

namespace fontedit::window {
namespace {

// The theme names freedesktop desktops give these icons.
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

// hicolor, which Qt names when the desktop names no theme, is only the base of themes and
// has no dialog icons; GTK's default theme has them. It stands in only while the icon is drawn:
// as the theme, it would put icons on the dialogs' buttons too.
QPixmap themePixmap(const QString& name, int size, qreal ratio) {
    const QString desktops = QIcon::themeName();
    const bool standIn = desktops == QLatin1String("hicolor") && !QIcon::hasThemeIcon(name);
    if (standIn) QIcon::setThemeName(QStringLiteral("Adwaita"));
    const QIcon icon = QIcon::fromTheme(name);
    QPixmap pixmap = icon.isNull() ? QPixmap() : icon.pixmap(QSize(size, size), ratio);
    if (standIn) QIcon::setThemeName(desktops);
    return pixmap;
}

}  // namespace

void showThemeIcon(QMessageBox& box) {
    const QString name = freedesktopName(box.icon());
    if (name.isEmpty()) return;
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const qreal ratio = box.devicePixelRatioF();
    QPixmap pixmap = themePixmap(name, size, ratio);
    if (pixmap.isNull()) pixmap = box.iconPixmap();
    // A theme without an image this large gives a smaller one, which the label would blow up
    // pixel by pixel; smoothed, its edges at least stay clean.
    const QSize pixels = QSize(size, size) * ratio;
    if (pixmap.size() != pixels) {
        pixmap = pixmap.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    box.setIconPixmap(pixmap);
}

}  // namespace fontedit::window
