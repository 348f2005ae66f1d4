#include "bench/latency/paint_counter.h"

#include <QCoreApplication>
#include <QEvent>

namespace fontedit::bench {

PaintCounter::PaintCounter() {
    QCoreApplication::instance()->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
}

}  // namespace fontedit::bench
