#pragma once

// "bdf": the font as a BDF 2.1 bitmap font for X11 and the tools that read BDF. Every glyph
// is 5 x 8 dots with its bottom row (bit 7) below the baseline, in a character cell of 6 x 8
// whose sixth column is blank, so that it advances 6 dots as every other export spaces its
// glyphs. The file is laid out as pcf2bdf writes one, so that it comes back
// unchanged through bdftopcf and pcf2bdf.
#include <string>

#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr int kDefaultFirstEncoding = state::kFirstCharacter;
// PCF holds encodings up to 0xFFFF; the last glyph must fit there.
inline constexpr int kLastFirstEncoding = 0xFFFF - (state::kSavedCodes - 1);

// Glyph `code` goes at ENCODING first + code, named by its label where that is a valid glyph
// name. Fails with CellNotAByte on the first cell that is not a byte.
std::string bdfBytes(const state::FontData& data, int first = kDefaultFirstEncoding);

}  // namespace fontedit::formats
