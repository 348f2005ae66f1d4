// The editing actions a click, a keystroke and Ctrl+Z start, on a fully drawn font, each with
// its undo recording.
#include <array>
#include <string>

#include "bench/core/full_font.h"
#include "bench/core/runs.h"
#include "state/conversions.h"

namespace fontedit::bench {

namespace {

void togglePixel(benchmark::State& run) {
    editing::Editor editor;
    drawFullFont(editor);
    int pixel = 0;
    for (auto _ : run) {
        editor.togglePixel(pixel % state::kGlyphColumns + 1, pixel / state::kGlyphColumns);
        pixel = (pixel + 1) % (state::kGlyphColumns * state::kGlyphRows);
    }
}
BENCHMARK(togglePixel)->Name("core-toggle")->Apply(asRuns);

void showGlyph(benchmark::State& run) {
    editing::Editor editor;
    drawFullFont(editor);
    std::array<std::string, state::kSavedCodes> codes;
    for (int code = 0; code < state::kSavedCodes; ++code) codes[code] = state::codeText(code);
    int code = 0;
    for (auto _ : run) {
        editor.state().codeField().setText(codes[code]);
        editor.showGlyph();
        code = (code + 1) % state::kSavedCodes;
    }
}
BENCHMARK(showGlyph)->Name("core-show-glyph")->Apply(asRuns);

// Types "f" at the end of column 1 and deletes it again, one keystroke an iteration; every
// keystroke is a step of its own, as when the user leaves the field between them.
void keystroke(benchmark::State& run) {
    editing::Editor editor;
    drawFullFont(editor);
    const std::string shown = editor.state().columnField(1).text();
    const std::array<std::string, 2> texts = {shown + "f", shown};
    int keystrokes = 0;
    for (auto _ : run) {
        editor.type(state::FieldId::Column1, texts[keystrokes % 2]);
        editor.finishEditing(state::FieldId::Column1);
        ++keystrokes;
    }
}
BENCHMARK(keystroke)->Name("core-keystroke")->Apply(asRuns);

// One undo of a pixel toggle, which restores the cell and shows its glyph; the history is
// filled again, untimed, whenever it runs out.
void undo(benchmark::State& run) {
    editing::Editor editor;
    drawFullFont(editor);
    int left = 0;
    for (auto _ : run) {
        if (left == 0) {
            run.PauseTiming();
            for (int pixel = 0; pixel < static_cast<int>(editing::History::kMaxSteps); ++pixel) {
                editor.togglePixel(pixel % state::kGlyphColumns + 1,
                                   pixel / state::kGlyphColumns % state::kGlyphRows);
            }
            left = static_cast<int>(editing::History::kMaxSteps);
            run.ResumeTiming();
        }
        editor.undo();
        --left;
    }
}
BENCHMARK(undo)->Name("core-undo")->Apply(asRuns);

}  // namespace

}  // namespace fontedit::bench
