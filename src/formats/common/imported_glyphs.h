#pragma once

// What every import format fills in the same way: cells from column bytes and labels from
// character codes, both as the editor's own files can hold them.
#include <cstdint>
#include <string>

#include "formats/font_import.h"

namespace fontedit::formats {

// "7C", "0": the text the editor writes for a column byte.
const std::string& byteCell(std::uint8_t value);

// The character a code draws, read as a Unicode code point: ASCII from the space on, "DEL"
// for 0x7F, and beyond ASCII the character where CP932 holds it and gives it back unchanged.
// Empty for control codes and for everything else, so that Save never fails on it.
std::string labelForCode(long long code);

// Labels for glyphs 0-95 when glyph 0 draws the character `first`.
void labelFrom(long long first, state::FontData& data);

// Fills glyph `code` with column bytes, bit 0 the top dot.
void setGlyph(state::FontData& data, int code, const std::uint8_t (&columns)[state::kGlyphColumns]);

}  // namespace fontedit::formats
