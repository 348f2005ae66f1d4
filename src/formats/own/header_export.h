#pragma once

// "font.h": the font as a C table for another program, in CP932 with CRLF line ends. The
// cells go in as they stand; the user finishes the file by hand, as its last line says.
#include <string>
#include <string_view>
#include <vector>

#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr const char* kHeaderFileName = "font.h";
// How every font.h starts; the import knows its own export by it.
inline constexpr std::string_view kHeaderOpening = "const unsigned char Font[96][5] =\r\n{\r\n";

std::string headerBytes(const state::FontData& data);

// The cells that hold nothing but blanks: columns never drawn, which the files keep so and
// every reader takes as no dot, but which font.h writes as a bare "0x" that no compiler takes.
struct EmptyCells {
    int count = 0;
    std::vector<int> codes;  // the glyphs that hold one
};
EmptyCells emptyCells(const state::FontData& data);

}  // namespace fontedit::formats
