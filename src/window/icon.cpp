#include "window/icon.h"

// The images live in a static library, whose resource table the linker keeps only when
// something refers to it; Q_INIT_RESOURCE is that reference and must stand outside a namespace.
static void loadIconResources() {
    Q_INIT_RESOURCE(fontedit);
}

namespace fontedit::window {

QIcon programIcon() {
    loadIconResources();
    // Sizes given up front, so nothing is decoded until the window system asks for a picture.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/fontedit-32x32-16.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/fontedit-32x32-2.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/fontedit-16x16-16.xpm"), QSize(16, 16));
    return icon;
}

}  // namespace fontedit::window
