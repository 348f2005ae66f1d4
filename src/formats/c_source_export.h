#pragma once

// "c": the font as a C source that compiles as it stands, in C99 and C++17, for firmware.
// Bytes as "0x7C", each glyph's code and label in a comment, in UTF-8 with LF line ends.
#include <string>
#include <vector>

#include "state/font_data.h"

namespace fontedit::formats {

struct CSourceOptions {
    enum class Layout {
        Columns,  // [96][5]: a byte per column, bit 0 the top dot (bit 7 with msbTop)
        Rows,     // [96][8]: a byte per dot row, top first, bit 4 the left column, bit 0 the right
    };
    std::string name = "Font";  // a C identifier
    Layout layout = Layout::Columns;
    bool msbTop = false;
    bool progmem = false;  // PROGMEM and <avr/pgmspace.h> when built for AVR
    // The glyphs written (0-95), in this order, such as the 8 a character LCD's CGRAM holds;
    // none for the whole font.
    std::vector<int> codes{};
};

// Fails with CellNotAByte on the first cell that is not a byte.
std::string cSourceBytes(const state::FontData& data, const CSourceOptions& options);

// The sentence of the opening comment that states the layout; the import knows its own
// export by it.
std::string layoutComment(const CSourceOptions& options);

// Whether `name` is a C identifier: a letter or "_", then letters, digits and "_".
bool isCIdentifier(std::string_view name);

}  // namespace fontedit::formats
