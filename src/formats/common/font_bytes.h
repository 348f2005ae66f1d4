#pragma once

// The font as numbers for other programs: each cell read as one byte, bit 0 the top dot.
// Every format that writes bytes rather than the cells' texts reads them through here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/font_data.h"
#include "state/glyph_bytes.h"

namespace fontedit::formats {

// One or two hex digits, either case, blanks ignored; an empty cell is 0. Any other text
// is no byte, and cellByte fails on it with CellNotAByte naming the code, the column and the
// text.
std::optional<std::uint8_t> readCellByte(std::string_view cell);
std::uint8_t cellByte(std::string_view cell, int code, int column);
state::GlyphBytes glyphBytes(const state::FontData& data, int code);

using state::dotLit;

// A glyph's dot rows, top first, the left dot in bit `leftBit` and each next one a bit lower.
std::array<std::uint8_t, state::kGlyphRows> rowBytes(const state::GlyphBytes& columns, int leftBit);

inline constexpr std::size_t kBinaryFontBytes = state::kSavedCodes * state::kGlyphColumns;

// Codes 0-95 in order: the whole font, as the exports write it unless told which glyphs.
std::vector<int> allGlyphCodes();

// "bin": the column bytes of glyphs `codes` (0-95) in their order, column 1 first; with no
// codes the whole font, 480 bytes.
std::string binaryBytes(const state::FontData& data, const std::vector<int>& codes = {});

}  // namespace fontedit::formats
