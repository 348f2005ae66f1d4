#include "window/icon.h"

#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The XPM files are C arrays: built in, they are read without a file or a line reader.
#include "icons/fontedit-16x16-16.xpm"
#include "icons/fontedit-32x32-16.xpm"
#include "icons/fontedit-32x32-2.xpm"

namespace fontedit::window {
namespace {

class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            QTimer::singleShot(0, &window_,
                               [window = &window_] { window->setWindowIcon(programIcon()); });
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void setIconAfterFirstPaint(QWidget& window) {
    new FirstPaintWatch(window);
}

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(QImage(fontedit_32x32_16)));
    icon.addPixmap(QPixmap::fromImage(QImage(fontedit_32x32_2)));
    icon.addPixmap(QPixmap::fromImage(QImage(fontedit_16x16_16)));
    return icon;
}

}  // namespace fontedit::window
