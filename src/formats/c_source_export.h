#pragma once

// "c": the font as a C source that compiles as it stands, in C99 and C++17, for firmware.
// Bytes as "0x7C", each glyph's code and label in a comment, in UTF-8 with LF line ends.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/font_data.h"
#include "state/glyph_bytes.h"

namespace fontedit::formats {

struct CSourceOptions {
    std::string name = "Font";  // a C identifier
    // Columns: [96][5], bit 7 the top dot with msbTop; Rows: [96][8], bit 0 the right column.
    state::GlyphLayout layout = state::GlyphLayout::Columns;
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

// "0x7C".
std::string hexByte(std::uint8_t byte);
// A label as a C comment may hold it: escaped as in any message, and kept from ending the
// comment, opening a nested one or holding a directional override compilers warn about.
std::string commentText(std::string_view label);
// The bytes as a C string literal of lines of about 72 characters, each line opening with
// `indent`; printable ASCII as it stands and every other byte an octal escape.
std::string cStringLiteral(std::string_view bytes, std::string_view indent);

// A display library's font as u8g2 and u8x8 declare theirs: "const uint8_t NAME[SIZE]
// SECTION("NAME") = "...";" after the comment `opening`, the size counting the string's
// closing NUL. SECTION, the library's macro placing fonts in flash, falls back to PROGMEM on
// AVR and to nothing elsewhere, so that the file compiles with or without the library.
std::string cFontString(std::string_view opening, std::string_view section, const std::string& name,
                        std::string_view bytes);

// Whether `name` is a C identifier: a letter or "_", then letters, digits and "_".
bool isCIdentifier(std::string_view name);

}  // namespace fontedit::formats
