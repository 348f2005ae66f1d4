#pragma once

// How much a reading of a table looks like a Latin font: glyphs every 5 x 8 font draws alike
// ("-" one horizontal run, "_" on the baseline, "|" one column ...) checked where they stand.
#include <functional>
#include <optional>

#include "formats/common/font_bytes.h"

namespace fontedit::formats {

struct Likeness {
    int checked = 0;  // the checks whose glyphs the table holds
    int passed = 0;
};

// `glyphOf` gives the column bytes (bit 0 the top dot) of an ASCII character, or nothing
// where the table holds no glyph for it.
Likeness fontLikeness(const std::function<std::optional<state::GlyphBytes>(char)>& glyphOf);

}  // namespace fontedit::formats
