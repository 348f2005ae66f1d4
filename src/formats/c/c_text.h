#pragma once

// The pieces every C source the exports write is made of, so that each library's format says
// only what is its own.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::formats {

// "0x7C".
std::string hexByte(std::uint8_t byte);

// A label escaped as in any message, so that no byte or line end breaks the line, then kept
// from ending the comment, opening a nested one (a warning under -Wall) or holding a
// directional override that compilers warn about.
std::string commentText(std::string_view label);

// "/* 33 "A" */": a glyph's code and label, as a comment after its bytes.
std::string glyphComment(int code, std::string_view label);

// "0x7C, 0x12, 0x12": bytes as a C list, without braces.
std::string byteList(const std::vector<std::uint8_t>& bytes);

// Lines that give PROGMEM its meaning when built for AVR and none elsewhere, unless a
// platform header has given it one.
std::string progmemLines();

// "33, 65-70": the codes in their order, each run of consecutive ones as its ends.
std::string codeList(const std::vector<int>& codes);

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
// `name` made a C identifier: each other byte "_", and "_" before a leading digit or for
// nothing.
std::string cIdentifierFrom(std::string_view name);

}  // namespace fontedit::formats
