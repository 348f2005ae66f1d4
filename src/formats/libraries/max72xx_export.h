#pragma once

// "max72xx": the font as an MD_MAX72XX / MD_Parola font table: 'F', version 1, the first and
// last character and the height 8, then each glyph's width and its column bytes, bit 0 the top
// dot. Every glyph keeps its five columns, so that the matrix shows it as the editor does.
// The table is MD_MAX72XX::fontType_t in C++ and const uint8_t in C.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/font_import.h"

namespace fontedit::formats {

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

}  // namespace fontedit::formats
