#include "bench/table/figures.h"

#include <string_view>
#include <vector>

#include "formats/export_formats.h"
#include "pictures/display_looks.h"

namespace fontedit::bench {

namespace {

const Figure kFigures[] = {
    {"startup", "Start-up, exec to window mapped", "ms", 1, TargetKind::RatioAtMost, 1.05},
    {"first-paint", "Start-up, exec to first paint", "ms", 1, TargetKind::None, 0},
    {"first-paint-instructions", "Start-up, exec to first paint, instructions (callgrind)",
     "millions", 2, TargetKind::None, 0},
    {"idle-instructions", "Start-up, exec to painted and idle, instructions (callgrind)",
     "millions", 2, TargetKind::RatioAtMost, 1.05},
    {"peak-rss", "Peak RSS after first paint", "MiB", 1, TargetKind::RatioAtMost, 1.05},
    {kFullRepaint, "Full repaint of the window", "µs", 1, TargetKind::None, 0},
    {"toggle", "Pixel toggle, window repainted", "µs", 1, TargetKind::AtMost, 100, {}, true},
    {"show-glyph",
     "ShowGlyph by Next, window repainted",
     "µs",
     1,
     TargetKind::AtMost,
     300,
     {},
     true},
    {"keystroke",
     "Keystroke in a column field, window repainted",
     "µs",
     1,
     TargetKind::AtMost,
     100,
     {},
     true},
    {"undo",
     "Undo of a toggle by Ctrl+Z, window repainted",
     "µs",
     1,
     TargetKind::AtMost,
     300,
     {},
     true},
    {"toggle-panel", "Pixel toggle, 一覧 panel open, window repainted", "µs", 1,
     TargetKind::RatioToFigureAtMost, 1.5, "toggle", true},
    {"show-glyph-panel", "ShowGlyph by Next, 一覧 panel open, window repainted", "µs", 1,
     TargetKind::RatioToFigureAtMost, 1.5, "show-glyph", true},
    {"open-panel", "Opening the 一覧 panel by Ctrl+L, window repainted", "ms", 2,
     TargetKind::AtMost, 16},
    {"open-panel-first", "Opening the 一覧 panel the first time, which makes it", "ms", 2,
     TargetKind::AtMost, 16},
    {"first-paint",
     "Start-up with Unifont's BDF, exec to painted and idle",
     "ms",
     1,
     TargetKind::AtMost,
     500,
     {},
     false,
     "fontedit-unifont"},
    {"peak-rss",
     "Peak RSS with Unifont's BDF (classic's + 3 x file size at most)",
     "MiB",
     1,
     TargetKind::None,
     0,
     {},
     false,
     "fontedit-unifont"},
    {"full-repaint-font", "Full repaint of the window, Unifont's BDF", "µs", 1, TargetKind::None,
     0},
    {"next-glyph-font", "Next glyph by Page Down, Unifont's BDF, window repainted", "µs", 1,
     TargetKind::RatioToFigureAtMost, 1.1, "full-repaint-font"},
    {"scroll-page-font", "Glyph list scrolled a page, Unifont's BDF, repainted", "ms", 2,
     TargetKind::AtMost, 16},
    {"save-font", "Save of Unifont's BDF after one dot, Ctrl+S, disk", "ms", 1, TargetKind::AtMost,
     500},
    {"core-toggle", "Core: pixel toggle", "µs", 3, TargetKind::None, 0},
    {"core-show-glyph", "Core: ShowGlyph", "µs", 3, TargetKind::None, 0},
    {"core-keystroke", "Core: keystroke in a column field", "µs", 3, TargetKind::None, 0},
    {"core-undo", "Core: undo of a toggle", "µs", 3, TargetKind::AtMost, 300},
    {"undo-memory", "Undo history of 10,000 steps, heap", "MiB", 2, TargetKind::AtMost, 2},
    {"core-save", "Core: Save, tmpfs", "µs", 1, TargetKind::None, 0},
    {"core-read", "Core: Read, tmpfs", "µs", 1, TargetKind::None, 0},
    {"core-export", "Core: Export, tmpfs", "µs", 1, TargetKind::None, 0},
    {"core-all", "Core: Save + Read + Export, tmpfs", "µs", 1, TargetKind::AtMost, 1000},
    {"core-all-disk", "Core: Save + Read + Export, disk with fsync", "µs", 1, TargetKind::None, 0},
    {"core-import-c", "Core: import a C table", "µs", 1, TargetKind::AtMost, 1000},
    {"core-import-bdf", "Core: import a BDF font", "µs", 1, TargetKind::AtMost, 1000},
    {"core-misaki-glyphs", "misaki's 8 x 8 JIS strike", "glyphs", 0, TargetKind::None, 0},
    {"core-misaki-u8g2-seconds", "Export misaki's 8 x 8 strike as u8g2", "s", 3, TargetKind::AtMost,
     1},
    {"core-misaki-u8g2-bytes", "Size of misaki's u8g2 font", "bytes", 0, TargetKind::None, 0},
    {"core-misaki-lvgl-seconds", "Export misaki's 8 x 8 strike as LVGL", "s", 3, TargetKind::AtMost,
     1},
    {"core-misaki-lvgl-bytes", "Size of misaki's LVGL source", "bytes", 0, TargetKind::None, 0},
    {"hostile-import-c-seconds", "Import of a hostile 16 MiB C file", "s", 2, TargetKind::AtMost,
     2},
    {"hostile-import-c-peak-mib", "Import of a hostile 16 MiB C file, peak RSS", "MiB", 1,
     TargetKind::AtMost, 256},
    {"hostile-import-c-zero-fill-seconds", "Import of 16 MiB of C arrays 16,000,000 wide", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-import-c-zero-fill-peak-mib",
     "Import of 16 MiB of C arrays 16,000,000 wide, peak RSS", "MiB", 1, TargetKind::AtMost, 256},
    {"hostile-import-bdf-seconds", "Import of a 16 MiB BDF file", "s", 2, TargetKind::AtMost, 2},
    {"hostile-import-bdf-peak-mib", "Import of a 16 MiB BDF file, peak RSS", "MiB", 1,
     TargetKind::AtMost, 256},
    {"hostile-import-pcf-seconds", "Import of a 16 MiB PCF file of 96 huge blank glyphs", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-import-pcf-peak-mib", "Import of a 16 MiB PCF file of 96 huge blank glyphs, peak RSS",
     "MiB", 1, TargetKind::AtMost, 256},
    {"hostile-import-c-macro-seconds", "Import of 16 MiB of C conditions naming one 8 MiB macro",
     "s", 2, TargetKind::AtMost, 2},
    {"hostile-import-c-macro-peak-mib",
     "Import of 16 MiB of C conditions naming one 8 MiB macro, peak RSS", "MiB", 1,
     TargetKind::AtMost, 256},
    {"hostile-import-c-macro-redefined-seconds",
     "Import of 16 MiB of C conditions naming a macro redefined each time", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-import-c-macro-redefined-peak-mib",
     "Import of 16 MiB of C conditions naming a macro redefined each time, peak RSS", "MiB", 1,
     TargetKind::AtMost, 256},
    {"hostile-import-lvgl-seconds", "Import of a 16 MiB LVGL glyph-offset list", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-import-lvgl-peak-mib", "Import of a 16 MiB LVGL glyph-offset list, peak RSS", "MiB",
     1, TargetKind::AtMost, 256},
    {"hostile-import-lvgl-ranges-seconds", "Import of 16 MiB of LVGL ranges past the font's glyphs",
     "s", 2, TargetKind::AtMost, 2},
    {"hostile-import-lvgl-ranges-peak-mib",
     "Import of 16 MiB of LVGL ranges past the font's glyphs, peak RSS", "MiB", 1,
     TargetKind::AtMost, 256},
    {"hostile-import-u8g2-seconds", "Import of a 16 MiB u8g2 font of millions of records", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-import-u8g2-peak-mib",
     "Import of a 16 MiB u8g2 font of millions of records, peak RSS", "MiB", 1, TargetKind::AtMost,
     256},
    {"hostile-import-gfxfont-seconds", "Import of a 16 MiB GFXfont bitmap", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-import-gfxfont-peak-mib", "Import of a 16 MiB GFXfont bitmap, peak RSS", "MiB", 1,
     TargetKind::AtMost, 256},
    {"hostile-render-text-seconds", "render --text of the largest picture drawn, scale 64", "s", 2,
     TargetKind::AtMost, 2},
    {"hostile-render-text-peak-mib", "render --text of the largest picture drawn, peak RSS", "MiB",
     1, TargetKind::AtMost, 256},
    {"convert-unifont-bdf", "convert unifont.pcf.gz -o unifont.bdf; baseline zcat | pcf2bdf", "s",
     3, TargetKind::RatioAtMost, 1.0},
    {"convert-unifont-bdf-peak-mib", "convert unifont.pcf.gz -o unifont.bdf, peak RSS", "MiB", 1,
     TargetKind::AtMost, 64},
    {"convert-unifont-write-bdf", "convert's bdf writer, Unifont in memory", "ms", 1,
     TargetKind::AtMost, 1000},
    {"convert-unifont-write-psf", "convert's psf writer, 512 glyphs of Unifont in memory", "ms", 1,
     TargetKind::AtMost, 1000},
    {"convert-unifont-write-png", "convert's png writer, Unifont's sheet in memory", "ms", 1,
     TargetKind::AtMost, 1000},
    {"convert-unifont-write-bin", "convert's bin writer, Unifont in memory", "ms", 1,
     TargetKind::AtMost, 1000},
    {"unifont-open", "Open Unifont's BDF file (57,086 glyphs) as a general font", "s", 3,
     TargetKind::AtMost, 0.5},
    {"unifont-save-dot", "Save Unifont's BDF file after one dot", "s", 3, TargetKind::AtMost, 0.5},
    {"unifont-heap-per-file", "Heap of Unifont's open document, per byte of its file", "×", 2,
     TargetKind::AtMost, 3},
};

// Where the rows of every export format and every display look go: after the file steps.
constexpr std::string_view kFormatsAfter = "core-all-disk";

std::vector<Figure> withFormatRows() {
    std::vector<Figure> rows;
    for (const Figure& figure : kFigures) {
        rows.push_back(figure);
        if (figure.key != kFormatsAfter) continue;
        for (const formats::FormatInfo& info : formats::exportFormats()) {
            if (info.format == formats::ExportFormat::Png) continue;  // core-render-paper
            const std::string word(info.word);
            rows.push_back({"core-export-" + word, "Core: export as " + word + ", in memory", "µs",
                            1, TargetKind::AtMost, 1000});
            // What the display library keeps in flash; a size has no target, being the font's.
            if (info.format == formats::ExportFormat::U8g2 ||
                info.format == formats::ExportFormat::U8x8) {
                rows.push_back({"core-size-" + word, "Size of the " + word + " array, sample font",
                                "bytes", 0, TargetKind::None, 0});
            }
        }
        for (const pictures::DisplayLook& look : pictures::displayLooks()) {
            const std::string name(look.name);
            rows.push_back({"core-render-" + name,
                            "Core: render the sheet in the " + name + " look, in memory", "µs", 1,
                            TargetKind::AtMost, 20000});
        }
    }
    return rows;
}

}  // namespace

std::span<const Figure> figures() {
    static const std::vector<Figure> rows = withFormatRows();
    return rows;
}

}  // namespace fontedit::bench
