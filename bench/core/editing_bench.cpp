// The two editing actions a click starts, on a fully drawn font.
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

}  // namespace

}  // namespace fontedit::bench
