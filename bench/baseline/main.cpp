// The least a Qt program that shows Japanese text does: the editor's caption and size and one
// label, the yardstick for the editor's start-up time and memory.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "window/exit_when_idle.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("8x8フォントエディタ"));
    window.setFixedSize(374, 329);
    QLabel label(QStringLiteral("文字"), &window);
    label.setGeometry(288, 24, 33, 17);
    window.show();
    fontedit::window::exitWhenIdleIfAsked(window);
    return application.exec();
}
