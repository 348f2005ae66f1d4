#pragma once

// "u8x8": the font as u8x8's tile font, a C string that u8x8.setFont() takes: first and last
// character, one tile wide and high, then eight column bytes a glyph, bit 0 the top, the
// glyph in the tile's left five columns.
#include <string>

#include "state/font_data.h"

namespace fontedit::formats {

// The header holds the characters in a byte each: glyph 95 must stand for 255 at most.
inline constexpr int kLastU8x8First = 0xFF - (state::kSavedCodes - 1);

// Fails with CellNotAByte, or with CharacterPastFormat when first is above kLastU8x8First.
std::string u8x8FontData(const state::FontData& data, int first);
std::string u8x8Source(const state::FontData& data, const std::string& name, int first);

}  // namespace fontedit::formats
