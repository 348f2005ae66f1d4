#include "window/icon.h"

#include <QEvent>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

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
    loadIconResources();
    QIcon icon;
    icon.addPixmap(xpmImage(QStringLiteral("fontedit-32x32-16.xpm")));
    icon.addPixmap(xpmImage(QStringLiteral("fontedit-32x32-2.xpm")));
    icon.addPixmap(xpmImage(QStringLiteral("fontedit-16x16-16.xpm")));
    return icon;
}

}  // namespace fontedit::window
