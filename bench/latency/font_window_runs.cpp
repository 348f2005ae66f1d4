#include "bench/latency/font_window_runs.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include "bench/common/summary.h"

namespace fontedit::bench {

double nextGlyphRun(WidgetDriver& driver, QWidget& grid) {
    constexpr int kSteps = 100;
    std::vector<double> times;
    for (int step = 0; step < kSteps; ++step)
        times.push_back(driver.timeKeys(&grid, QKeySequence(Qt::Key_PageDown)));
    return summarise(times).median;
}

double scrollPageRun(WidgetDriver& driver, QWidget& list) {
    constexpr int kPages = 50;
    QScrollBar* bar = static_cast<QAbstractScrollArea&>(list).verticalScrollBar();
    std::vector<double> times;
    for (int page = 0; page < kPages; ++page) {
        times.push_back(
            driver.timeAction([bar] { bar->triggerAction(QAbstractSlider::SliderPageStepAdd); }));
    }
    bar->setValue(0);
    return summarise(times).median;
}

double saveAfterDotRun(WidgetDriver& driver, QWidget& grid) {
    constexpr int kSaves = 5;
    std::vector<double> times;
    for (int save = 0; save < kSaves; ++save) {
        QTest::keyClick(&grid, Qt::Key_Space);
        QCoreApplication::processEvents();
        times.push_back(driver.timeKeys(&grid, QKeySequence(Qt::CTRL | Qt::Key_S)));
    }
    return summarise(times).median;
}

}  // namespace fontedit::bench
