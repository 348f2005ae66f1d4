#pragma once

// "hd44780": glyphs as custom characters of a character LCD, for LiquidCrystal::createChar:
// one uint8_t NAME_N[8] per glyph N, not const, since createChar takes a uint8_t *; a byte a
// dot row, top first, bit 4 the left dot. The opening comment shows the createChar calls. The
// display's CGRAM holds eight, so a ninth glyph gets a note. C import reads such arrays.
#include <string>
#include <string_view>
#include <vector>

#include "formats/common/bitmap_cell.h"
#include "pictures/character_panel.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr int kCgramCharacters = pictures::kCgramSlots;
// The opening comment lists the glyphs' codes, as "0-7, 33", between these.
inline constexpr std::string_view kHd44780Opening = "/* Glyphs ";
inline constexpr std::string_view kHd44780Listed =
    " of a 5 x 8 font from fontedit, as a character LCD's custom characters,";
// Glyphs of 5 x 8 only, on the classic cell, and no more than the classic font holds.
inline constexpr FormatLimits kHd44780Limits{.widest = state::kGlyphColumns,
                                             .highest = state::kGlyphRows,
                                             .mostGlyphs = state::kSavedCodes,
                                             .classicCell = true};

// Glyphs `codes` (0-95) in this order; none gives 0-7. Fails with CellNotAByte on the first
// cell that is not a byte.
std::string hd44780Bytes(const state::FontData& data, std::string_view name,
                         std::vector<int> codes);

struct Hd44780BitmapOptions {
    std::string name = "Font";
};
std::string hd44780BitmapExport(const state::BitmapFont& font, const Hd44780BitmapOptions& options);

}  // namespace fontedit::formats
