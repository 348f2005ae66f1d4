#pragma once

// "gfxfont": the font as an Adafruit GFX (and TFT_eSPI) GFXfont header, laid out as the
// library's own converter writes one: each glyph's box trimmed to its lit dots, its rows packed
// MSB first with no padding between rows and the glyph padded to a whole byte, a GFXglyph
// table, then the GFXfont. Drawn at the cursor, row 6 of the cell stands on the cursor's line,
// as a glyph stands on its baseline; every glyph advances 6 dots and a line 8.
#include <string>
#include <string_view>

#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr int kGfxAdvance = 6;
inline constexpr int kGfxLineAdvance = 8;
// The cell row drawn on the cursor's line.
inline constexpr int kGfxBaselineRow = 6;
// How the header states its own making; the import knows its own export by it.
inline constexpr std::string_view kGfxOpening = "/* A 5 x 8 font of 96 glyphs from fontedit, ";

// The symbols are NAME, NAMEBitmaps and NAMEGlyphs; glyph 0 is character `first`. Fails with
// CellNotAByte on the first cell that is not a byte.
std::string gfxfontBytes(const state::FontData& data, std::string_view name, int first);

}  // namespace fontedit::formats
