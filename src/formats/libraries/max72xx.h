#pragma once

// MD_MAX72XX / MD_Parola font tables, both ways: 'F', the version, the first and last
// character and the height, then each glyph's width and its column bytes, bit 0 the top dot.
// Version 1 states characters in a byte, version 2 in two. The classic font keeps its five
// columns a glyph, so that the matrix shows it as the editor does; the table is
// MD_MAX72XX::fontType_t in C++ and const uint8_t in C.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

// A table opens with 'F', then its version, 1 or 2.
inline constexpr std::uint8_t kMax72xxTableMark = 'F';
// A column a byte.
inline constexpr int kMax72xxHighest = 8;
inline constexpr FormatLimits kMax72xxLimits{.highest = kMax72xxHighest, .lastCharacter = 0xFFFF};
// Version 1 states its characters in a byte each.
inline constexpr int kLastMax72xxFirst = 0xFF - (state::kSavedCodes - 1);

// Glyph 0 is character `first`, at most kLastMax72xxFirst. Fails with CellNotAByte on the first
// cell that is not a byte.
std::string max72xxBytes(const state::FontData& data, std::string_view name, int first);

// Whether the values of a C list are such a table: its header, and its glyphs filling it.
bool isMax72xxTable(const std::vector<std::uint8_t>& values);

// The values of a C list, when they are such a table, version 1 or 2 and of any widths, whole
// to its last byte; nothing when they are not. A glyph wider than the cell is refused as
// GlyphTooLarge, naming `line`, unless options.crop.
std::optional<ImportedFont> importMax72xxTable(const std::vector<std::uint8_t>& values, int line,
                                               const ImportOptions& options);

struct Max72xxBitmapOptions {
    std::string name = "Font";
};
std::string max72xxBitmapExport(const state::BitmapFont& font, const Max72xxBitmapOptions& options);
// The first list that is such a table.
state::BitmapFont max72xxBitmapImport(std::string_view source);

}  // namespace fontedit::formats
