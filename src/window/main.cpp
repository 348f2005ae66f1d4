#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Pinned so that a desktop theme cannot restyle the window.
    QApplication::setStyle(QStringLiteral("Fusion"));
    fontedit::window::Form1 form;
    form.show();
    return QApplication::exec();
}
