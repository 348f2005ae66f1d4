#pragma once

// LVGL font sources at 1 bit a pixel, both ways, laid out as LVGL's font converter writes
// one: the glyphs' bitmaps, their descriptions, the ranges of characters and the lv_font_t.
// They compile against LVGL 8.3 and 9; the classic font's cell row 6 stands on the baseline.
// The imports read plain and compressed tables.
#include <cstddef>
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

// 16-bit glyph ids, id 0 reserved; bitmap_index has 20 bits.
inline constexpr std::size_t kLvglMostBitmapBytes = (1 << 20) - 1;
inline constexpr FormatLimits kLvglLimits{.mostGlyphs = 0xFFFF - 1,
                                          .mostBitBytes = kLvglMostBitmapBytes};

// Glyph `code` stands for the character first + code. Fails with CellNotAByte.
std::string lvglSource(const state::FontData& data, const std::string& name, int first);
// The glyphs take the cell as BDF's do.
ImportedFont importLvgl(std::string_view source, const ImportOptions& options);

struct LvglBitmapOptions {
    std::string name = "font";
};
std::string lvglBitmapExport(const state::BitmapFont& font, const LvglBitmapOptions& options);
state::BitmapFont lvglBitmapImport(std::string_view source);

}  // namespace fontedit::formats
