#pragma once

// "c": the font as a C source that compiles as it stands, in C99 and C++17, for firmware.
// Bytes as "0x7C", each glyph's code and label in a comment, in UTF-8 with LF line ends.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/c/c_text.h"
#include "state/font_data.h"
#include "state/glyph_bytes.h"

namespace fontedit::formats {

struct CSourceOptions {
    std::string name = "Font";  // a C identifier
    // Columns: [96][5], bit 7 the top dot with msbTop; Rows: [96][8], bit 0 the right column.
    state::GlyphLayout layout = state::GlyphLayout::Columns;
    bool msbTop = false;
    bool progmem = false;  // PROGMEM and <avr/pgmspace.h> when built for AVR
    bool msbLeft = false;  // rows: the left dot in bit 7, as LED-matrix drivers take them
    // The glyphs written (0-95), in this order, such as the 8 a character LCD's CGRAM holds;
    // none for the whole font.
    std::vector<int> codes{};
};

// Fails with CellNotAByte on the first cell that is not a byte.
std::string cSourceBytes(const state::FontData& data, const CSourceOptions& options);

// The sentence of the opening comment that states the layout; the import knows its own
// export by it.
std::string layoutComment(const CSourceOptions& options);

}  // namespace fontedit::formats
