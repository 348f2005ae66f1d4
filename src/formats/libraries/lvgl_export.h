#pragma once

// "lvgl": the font as an LVGL font source at 1 bit a pixel, laid out as LVGL's font converter
// writes one: the glyphs' bitmaps, their descriptions, one range of characters and the
// lv_font_t. It compiles against LVGL 8.3 and 9; cell row 6 stands on the baseline.
#include <string>

#include "state/font_data.h"

namespace fontedit::formats {

// Glyph `code` stands for the character first + code. Fails with CellNotAByte.
std::string lvglSource(const state::FontData& data, const std::string& name, int first);

}  // namespace fontedit::formats
