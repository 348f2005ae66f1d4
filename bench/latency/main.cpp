// The latency of the editor's user actions on its real window, on the offscreen platform:
// every action is timed from its input events to the end of the repaint it caused.
//
//   fontedit-latency RUNS WARM-UPS [FONT.bdf]
//
// Prints "toggle|show-glyph|keystroke|undo fontedit MICROSECONDS", one line per run, each the
// median of that run's actions; the actions of different kinds take turns run by run. Beside
// them the same run's full repaint of the window, the opening of the 一覧 panel by Ctrl+L in
// milliseconds (the first, which makes it, once), and toggle and ShowGlyph with the panel open.
// Given a BDF font, then the window of a font of any cell on it: its full repaint, the step to
// the next glyph, the glyph list scrolled a page, and Ctrl+S after one dot, in a copy of it.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "bench/latency/font_window_runs.h"
#include "bench/latency/latency_runs.h"
#include "window/font_window.h"
#include "window/form1.h"
#include "window/widget_style.h"

namespace {

// "H", whose glyph the preview's "Hello, H!" shows twice.
constexpr int kPreviewedCode = 40;

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns at each change of the window's size, which the panel makes.
void withoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
    defaultHandler(type, context, message);
}

// The window of a font of any cell on a copy of `font`, which each save rewrites.
int fontWindowRuns(const char* program, const std::filesystem::path& font, int runs, int warmUps) {
    const std::filesystem::path copy = std::filesystem::current_path() / "latency-font.bdf";
    std::filesystem::copy_file(font, copy, std::filesystem::copy_options::overwrite_existing);
    fontedit::window::FontWindow window(copy);
    window.setReporter([](const QString& message) {
        std::fprintf(stderr, "unexpected failure: %s\n", qPrintable(message));
        std::exit(1);
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "%s: the window was never exposed\n", program);
        return 1;
    }
    window.activateWindow();
    try {
        using namespace fontedit::bench;
        WidgetDriver driver(window);
        auto* grid = window.findChild<QWidget*>(QStringLiteral("dotGrid"));
        auto* list = window.findChild<QWidget*>(QStringLiteral("glyphList"));
        for (int run = 0; run < warmUps + runs; ++run) {
            const double repaint = fullRepaintRun(driver);
            const double next = nextGlyphRun(driver, *grid);
            const double scroll = scrollPageRun(driver, *list);
            const double save = saveAfterDotRun(driver, *grid);
            if (run < warmUps) continue;
            std::printf(
                "full-repaint-font fontedit %.3f\nnext-glyph-font fontedit %.3f\n"
                "scroll-page-font fontedit %.3f\nsave-font fontedit %.3f\n",
                repaint, next, scroll / 1000, save / 1000);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", program, failure.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS WARM-UPS [FONT.bdf]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmUps = std::atoi(argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(withoutSizeHintWarnings);
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
        using namespace fontedit::bench;
        WidgetDriver driver(form);
        typeFullFont(driver);
        // The panel is made when it first opens; closed again, it stays made and hidden.
        const double firstOpen = openPanel(driver);
        closePanel(driver);
        std::printf("open-panel-first fontedit %.3f\n", firstOpen / 1000);
        for (int run = 0; run < warmUps + runs; ++run) {
            const double toggle = toggleRun(driver);
            const double showGlyph = showGlyphRun(driver);
            const double keystroke = keystrokeRun(driver);
            const double undo = undoRun(driver);
            const double repaint = fullRepaintRun(driver);
            const double open = openPanel(driver);
            previewGlyph(driver, kPreviewedCode);
            const double togglePanel = toggleRun(driver);
            const double showGlyphPanel = showGlyphRun(driver);
            closePanel(driver);
            if (run < warmUps) continue;
            std::printf(
                "toggle fontedit %.3f\nshow-glyph fontedit %.3f\nkeystroke fontedit %.3f\n"
                "undo fontedit %.3f\nfull-repaint fontedit %.3f\nopen-panel fontedit %.3f\n"
                "toggle-panel fontedit %.3f\nshow-glyph-panel fontedit %.3f\n",
                toggle, showGlyph, keystroke, undo, repaint, open / 1000, togglePanel,
                showGlyphPanel);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure.what());
        return 1;
    }
    return argc == 4 ? fontWindowRuns(argv[0], argv[3], runs, warmUps) : 0;
}
