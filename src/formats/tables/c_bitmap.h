#pragma once

// Bitmap fonts of any cell as plain tables of glyph bytes, both ways: C source, and binary
// files read glyph after glyph. Pure: bytes in, font out. A font a table cannot hold is
// refused as a whole (see checkLimits), and nothing is written.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "state/bitmap_font.h"

namespace fontedit::formats {

// Every glyph in the font's cell (fontCell), in one of three layouts.
enum class CLayout {
    Columns,  // ceil(H/8) bytes a column, left column first, the column's top byte first
    Pages,    // a row of W column bytes for each 8-dot page, top page first, as an SSD1306 takes
    Rows,     // ceil(W/8) bytes a row, top row first
};
struct CBitmapOptions {
    std::string name = "Font";  // a C identifier
    CLayout layout = CLayout::Columns;
    // Columns and pages: bit 7 the top dot of a byte, else bit 0; rows: bit 7 the left dot.
    bool msbFirst = false;
    bool progmem = false;
};
// A proportional font adds NAME_widths, its advances; characters that are not one run from the
// first add NAME_characters.
std::string cBitmapExport(const state::BitmapFont& font, const CBitmapOptions& options);

// C source or a binary file holding glyphs of a given cell, one after another.
struct TableBitmapOptions {
    int width = 8;  // the cell, --cell WxH
    int height = 8;
    CLayout layout = CLayout::Columns;
    bool msbFirst = false;
    char32_t first = 0x20;               // the character of the first glyph
    std::optional<std::string> array{};  // C: the array to take, by name; else the largest
    std::size_t offset = 0;              // values (C) or bytes (binary) before the first glyph
};
state::BitmapFont cBitmapImport(std::string_view source, const TableBitmapOptions& options);
state::BitmapFont binaryBitmapImport(std::string_view bytes, const TableBitmapOptions& options);

}  // namespace fontedit::formats
