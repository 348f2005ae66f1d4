#pragma once

// Bitmap fonts of any cell in the display libraries' formats and in plain C tables, both
// ways: each export writes what the library's own converter would, each import reads such a
// font at its own size. Pure: bytes in, font out. A font a format cannot hold is refused as a
// whole (see checkLimits), and nothing is written.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "state/bitmap_font.h"

namespace fontedit::formats {

// C tables: every glyph in the font's cell (fontCell), in one of three layouts.
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

// Adafruit GFX: the GFXglyph's 16-bit bitmapOffset and character range.
inline constexpr char32_t kGfxLastCharacter = 0xFFFF;
inline constexpr std::size_t kGfxMostBitmapBytes = 0xFFFF;
struct GfxfontBitmapOptions {
    std::string name = "Font";
};
std::string gfxfontBitmapExport(const state::BitmapFont& font, const GfxfontBitmapOptions& options);
state::BitmapFont gfxfontBitmapImport(std::string_view source);

// u8g2: two-byte character codes, and a glyph's record of at most 255 bytes.
inline constexpr char32_t kU8g2LastCharacter = 0xFFFF;
inline constexpr std::size_t kU8g2LongestRecord = 0xFF;
struct U8g2BitmapOptions {
    std::string name = "font";
};
// The font's bytes as u8g2 reads them, the closing NUL included.
std::string u8g2BitmapData(const state::BitmapFont& font);
std::string u8g2BitmapExport(const state::BitmapFont& font, const U8g2BitmapOptions& options);
state::BitmapFont u8g2BitmapImport(std::string_view source);

// u8x8: one-byte characters, and tiles of 8 x 8 up to four across and down.
inline constexpr char32_t kU8x8LastCharacter = 0xFF;
inline constexpr int kU8x8MostTiles = 4;
struct U8x8BitmapOptions {
    std::string name = "font";
};
std::string u8x8BitmapData(const state::BitmapFont& font);
std::string u8x8BitmapExport(const state::BitmapFont& font, const U8x8BitmapOptions& options);
state::BitmapFont u8x8BitmapImport(std::string_view source);

// LVGL: 16-bit glyph ids, id 0 reserved; bitmap_index has 20 bits.
inline constexpr std::size_t kLvglMostGlyphs = 0xFFFF - 1;
inline constexpr std::size_t kLvglMostBitmapBytes = (1 << 20) - 1;
struct LvglBitmapOptions {
    std::string name = "font";
};
std::string lvglBitmapExport(const state::BitmapFont& font, const LvglBitmapOptions& options);
state::BitmapFont lvglBitmapImport(std::string_view source);

// MD_MAX72XX: a column a byte; version 1 states characters in a byte, version 2 in two.
inline constexpr int kMax72xxHighest = 8;
inline constexpr char32_t kMax72xxLastCharacter = 0xFFFF;
struct Max72xxBitmapOptions {
    std::string name = "Font";
};
std::string max72xxBitmapExport(const state::BitmapFont& font, const Max72xxBitmapOptions& options);
state::BitmapFont max72xxBitmapImport(std::string_view source);

// The character LCD's CGRAM and Adafruit GFX's classic font take 5 x 8 glyphs only.
inline constexpr char32_t kGlcdLastCharacter = 0xFF;
struct Hd44780BitmapOptions {
    std::string name = "Font";
};
std::string hd44780BitmapExport(const state::BitmapFont& font, const Hd44780BitmapOptions& options);
std::string glcdfontBitmapExport(const state::BitmapFont& font);

}  // namespace fontedit::formats
