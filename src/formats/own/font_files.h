#pragma once

// "fntdat.txt" (the five column texts of each glyph) and "mojidat.txt" (the labels), both
// CP932 with CRLF line ends, as bytes.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "state/failure.h"
#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr const char* kFontFileName = "fntdat.txt";
inline constexpr const char* kLabelFileName = "mojidat.txt";

// Read takes a font file up to this size, and Save writes none larger.
inline constexpr std::size_t kMostFontFileBytes = 1 << 20;
// The characters a cell or a label holds at most, each two bytes in CP932 at the widest, so
// that both files stay within what Read takes.
inline constexpr int kLongestText = 1000;
static_assert(state::kSavedCodes * (state::kGlyphColumns * (2 * kLongestText + 2) + 2) <=
              kMostFontFileBytes);

// The bytes of both files.
struct FontFiles {
    std::string font;
    std::string labels;
};

std::string fontFileBytes(const state::FontData& data);
std::string labelFileBytes(const state::FontData& data);
// Encodes both files, so that a text neither can hold fails before either is written.
FontFiles fontFiles(const state::FontData& data);

// Both files walked as Read walks them, handing `fault` every fault in the order it meets
// them, each naming its file and line: bytes that are not CP932 (InvalidCp932), a file that
// ends before all 96 glyphs (PastEndOfFile, on the line where more was due), and a cell that
// holds no byte (CellNotAByte), which Read keeps but export and render refuse; a blank cell
// is none, being 0 to all of them. `fault` may
// throw to end the walk there. What the files hold goes into `data`, faults and all. Lines
// after the 96th are ignored. Labels are read one whole line each, so that blanks, commas and
// quotation marks in them come back unchanged.
using FaultSink = std::function<void(state::Failure)>;
void checkFontFiles(std::string_view fontBytes, std::string_view labelBytes, state::FontData& data,
                    const FaultSink& fault);
// Each file alone, into the cells or the labels.
void checkFontFile(std::string_view bytes, state::FontData& data, const FaultSink& fault);
void checkLabelFile(std::string_view bytes, state::FontData& data, const FaultSink& fault);

// Read: fails with the first fault that refuses the files, naming the file alone.
state::FontData parseFontFiles(std::string_view fontBytes, std::string_view labelBytes);

}  // namespace fontedit::formats
