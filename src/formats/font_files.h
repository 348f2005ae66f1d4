#pragma once

// "fntdat.txt" (the five column texts of each glyph) and "mojidat.txt" (the labels), both
// CP932 with CRLF line ends, as bytes.
#include <string>
#include <string_view>

#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr const char* kFontFileName = "fntdat.txt";
inline constexpr const char* kLabelFileName = "mojidat.txt";

// The bytes of both files.
struct FontFiles {
    std::string font;
    std::string labels;
};

std::string fontFileBytes(const state::FontData& data);
std::string labelFileBytes(const state::FontData& data);
// Encodes both files, so that a text neither can hold fails before either is written.
FontFiles fontFiles(const state::FontData& data);

// Checks both files completely: too few fields or lines is PastEndOfFile, bytes that are not
// CP932 InvalidCp932. Lines after the 96th are ignored. Labels are read one whole line each,
// so that blanks, commas and quotation marks in them come back unchanged.
state::FontData parseFontFiles(std::string_view fontBytes, std::string_view labelBytes);

}  // namespace fontedit::formats
