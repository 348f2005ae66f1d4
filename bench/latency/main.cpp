// The latency of the editor's user actions on its real window, on the offscreen platform:
// every action is timed from its input events to the end of the repaint it caused.
//
//   fontedit-latency RUNS WARM-UPS
//
// Prints "toggle|show-glyph|keystroke|undo fontedit MICROSECONDS", one line per run, each the
// median of that run's actions; the actions of different kinds take turns run by run.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "bench/latency/latency_runs.h"
#include "window/form1.h"
#include "window/look.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RUNS WARM-UPS\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmUps = std::atoi(argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    fontedit::window::pinLook();
    // The editor touches no file here; the working directory is the bench run's own.
    fontedit::window::Form1 form(std::filesystem::current_path());
    form.setReporter([](const QString& message) {
        std::fprintf(stderr, "unexpected failure: %s\n", qPrintable(message));
        std::exit(1);
    });
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "%s: the window was never exposed\n", argv[0]);
        return 1;
    }
    form.activateWindow();
    try {
        fontedit::bench::WidgetDriver driver(form);
        fontedit::bench::typeFullFont(driver);
        for (int run = 0; run < warmUps + runs; ++run) {
            const double toggle = fontedit::bench::toggleRun(driver);
            const double showGlyph = fontedit::bench::showGlyphRun(driver);
            const double keystroke = fontedit::bench::keystrokeRun(driver);
            const double undo = fontedit::bench::undoRun(driver);
            if (run < warmUps) continue;
            std::printf(
                "toggle fontedit %.3f\nshow-glyph fontedit %.3f\nkeystroke fontedit %.3f\n"
                "undo fontedit %.3f\n",
                toggle, showGlyph, keystroke, undo);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure.what());
        return 1;
    }
    return 0;
}
