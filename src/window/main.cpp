#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Desktops find the menu entry, and with it the icon, by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(FONTEDIT_APP_ID));
    // Pinned so that a desktop theme cannot restyle the window.
    QApplication::setStyle(QStringLiteral("Fusion"));
    fontedit::window::Form1 form;
    form.show();
    return QApplication::exec();
}
