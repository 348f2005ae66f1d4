#include "window/icon.h"

#include <QImageReader>
#include <QPixmap>

// The images live in a static library, whose resource table the linker keeps only when
// something refers to it; Q_INIT_RESOURCE is that reference and must stand outside a namespace.
static void loadIconResources() {
    Q_INIT_RESOURCE(fontedit);
}

namespace fontedit::window {
namespace {

// Named and not detected, the format goes straight to Qt's own XPM reader; a reader left to
// detect it loads every image format plugin first, which costs start-up time and memory.
QPixmap xpmImage(const QString& name) {
    QImageReader reader(QStringLiteral(":/icons/") + name, "xpm");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon programIcon() {
    loadIconResources();
    QIcon icon;
    icon.addPixmap(xpmImage(QStringLiteral("fontedit-32x32-16.xpm")));
    icon.addPixmap(xpmImage(QStringLiteral("fontedit-32x32-2.xpm")));
    icon.addPixmap(xpmImage(QStringLiteral("fontedit-16x16-16.xpm")));
    return icon;
}

}  // namespace fontedit::window
