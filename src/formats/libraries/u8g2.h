#pragma once

// u8g2's own font format, both ways: a C string that u8g2.setFont() takes, known by
// U8G2_FONT_SECTION. Each glyph is trimmed to its lit dots and run-length coded, the
// run-length bit widths the pair that makes the font smallest; the classic font's cell row 6
// stands on the baseline.
#include <cstddef>
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

// Two-byte character codes, and a glyph's record of at most 255 bytes.
inline constexpr std::size_t kU8g2LongestRecord = 0xFF;
// The header before the glyph records.
inline constexpr std::size_t kU8g2HeaderBytes = 23;
inline constexpr FormatLimits kU8g2Limits{.lastCharacter = 0xFFFF};

// The font's bytes as u8g2 reads them, the NUL that closes the C string included; glyph
// `code` stands for the character first + code. Fails with CellNotAByte.
std::string u8g2FontData(const state::FontData& data, int first);
// The C source declaring `name` with those bytes.
std::string u8g2Source(const state::FontData& data, const std::string& name, int first);
// The glyphs take the cell as BDF's do.
ImportedFont importU8g2(std::string_view source, const ImportOptions& options);

struct U8g2BitmapOptions {
    std::string name = "font";
};
// The font's bytes as u8g2 reads them, the closing NUL included.
std::string u8g2BitmapData(const state::BitmapFont& font);
std::string u8g2BitmapExport(const state::BitmapFont& font, const U8g2BitmapOptions& options);
state::BitmapFont u8g2BitmapImport(std::string_view source);

}  // namespace fontedit::formats
