#pragma once

// "psf": the font as a PSF2 console font for the Linux console's setfont. The kernel takes
// only 256 or 512 glyphs, 8 dots wide on a VGA console, and erases the screen with position
// 32; so the font holds 256 glyphs of 8 x 8 dots, one byte a dot row with the left dot in
// bit 7, the 5 x 8 glyph in its left columns. Glyph i stands at position first + i, or at
// 32 + i when that runs past 255, and the Unicode table maps it to the character first + i.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/marks.h"
#include "formats/x11/bdf_export.h"
#include "state/font_data.h"

namespace fontedit::formats {

// PSF2's header: its mark (kPsf2Mark), then seven little-endian 32-bit fields.
inline constexpr std::size_t kPsf2HeaderBytes = 32;
inline constexpr unsigned kPsf2HasUnicodeTable = 0x01;
inline constexpr std::uint8_t kPsf2Separator = 0xFF;
inline constexpr std::uint8_t kPsf2StartSequence = 0xFE;

// One of the header's fields, little-endian, at the end of `bytes`.
void appendPsfWord(std::string& bytes, std::uint32_t value);

// Fails with CellNotAByte on the first cell that is not a byte.
std::string psfBytes(const state::FontData& data, int first = kDefaultFirstEncoding);

}  // namespace fontedit::formats
