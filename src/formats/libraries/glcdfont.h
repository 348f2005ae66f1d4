#pragma once

// "glcdfont": a glcdfont.c for the classic font of Adafruit GFX, to put in the library's place:
// `font[]` of 256 glyphs of 5 column bytes, bit 0 the top dot, glyph i at character first + i
// and every other character blank. print() then draws the font. C import reads such a table.
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr int kGlcdCharacters = 256;
// Glyph 95 must stand at a character the table holds.
inline constexpr int kLastGlcdFirst = kGlcdCharacters - state::kSavedCodes;
// "... glyphs 0-95 stand at characters 32-127": the import takes them from there.
inline constexpr std::string_view kGlcdPlacement = "glyphs 0-95 stand at characters ";
// Glyphs of 5 x 8 only, on the classic cell.
inline constexpr FormatLimits kGlcdLimits{.widest = state::kGlyphColumns,
                                          .highest = state::kGlyphRows,
                                          .lastCharacter = kGlcdCharacters - 1,
                                          .classicCell = true};

// Fails with CellNotAByte on the first cell that is not a byte.
std::string glcdfontBytes(const state::FontData& data, int first);
std::string glcdfontBitmapExport(const state::BitmapFont& font);

}  // namespace fontedit::formats
