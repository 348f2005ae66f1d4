#pragma once

// u8x8's tile fonts, both ways: a C string that u8x8.setFont() takes, known by
// U8X8_FONT_SECTION: first and last character, the tiles across and down, then eight column
// bytes a tile, bit 0 the top. The classic font is one tile, the glyph in its left five
// columns.
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

// One-byte characters, and tiles of 8 x 8 up to four across and down.
inline constexpr int kU8x8MostTiles = 4;
// A tile is 8 x 8 dots; the header before the tiles is 4 bytes.
inline constexpr int kU8x8TileDots = 8;
inline constexpr std::size_t kU8x8HeaderBytes = 4;
inline constexpr FormatLimits kU8x8Limits{
    .widest = kU8x8MostTiles * 8, .highest = kU8x8MostTiles * 8, .lastCharacter = 0xFF};
// The header holds the characters in a byte each: glyph 95 must stand for 255 at most.
inline constexpr int kLastU8x8First = 0xFF - (state::kSavedCodes - 1);

// Fails with CellNotAByte, or with CharacterPastFormat when first is above kLastU8x8First.
std::string u8x8FontData(const state::FontData& data, int first);
std::string u8x8Source(const state::FontData& data, const std::string& name, int first);
// The glyphs take the cell as BDF's do.
ImportedFont importU8x8(std::string_view source, const ImportOptions& options);

struct U8x8BitmapOptions {
    std::string name = "font";
};
std::string u8x8BitmapData(const state::BitmapFont& font);
std::string u8x8BitmapExport(const state::BitmapFont& font, const U8x8BitmapOptions& options);
state::BitmapFont u8x8BitmapImport(std::string_view source);

}  // namespace fontedit::formats
