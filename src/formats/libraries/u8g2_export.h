#pragma once

// "u8g2": the font in u8g2's own font format, a C string that u8g2.setFont() takes. Each glyph
// is trimmed to its lit dots and run-length coded, dots of cell row 6 standing on the
// baseline; the run-length bit widths are the pair that makes the font smallest.
#include <string>

#include "state/font_data.h"

namespace fontedit::formats {

// The font's bytes as u8g2 reads them, the NUL that closes the C string included; glyph
// `code` stands for the character first + code. Fails with CellNotAByte.
std::string u8g2FontData(const state::FontData& data, int first);

// The C source declaring `name` with those bytes.
std::string u8g2Source(const state::FontData& data, const std::string& name, int first);

}  // namespace fontedit::formats
