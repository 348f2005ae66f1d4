#include "window/exit_when_idle.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace fontedit::window {
namespace {

class IdleExit : public QObject {
public:
    IdleExit(QWidget& window, int milliseconds) : QObject(&window) {
        timer_.setSingleShot(true);
        timer_.setInterval(milliseconds);
        QObject::connect(&timer_, &QTimer::timeout, [] { std::_Exit(0); });
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest) {
            timer_.start();
        }
        return false;
    }

private:
    QTimer timer_;
};

}  // namespace

void exitWhenIdleIfAsked(QWidget& window) {
    bool isNumber = false;
    const int milliseconds = qEnvironmentVariableIntValue("FONTEDIT_EXIT_WHEN_IDLE", &isNumber);
    if (isNumber && milliseconds > 0) new IdleExit(window, milliseconds);
}

}  // namespace fontedit::window
