#pragma once

// The texts a benchmark types to draw and label all 96 glyphs: every glyph differs from the one
// before it in every column, so stepping through them repaints pixels each time.
#include <string>

namespace fontedit::bench {

// Hex text of glyph column 1-5 of code 0-95, as the editor writes it.
std::string columnText(int code, int column);
// The printable ASCII character of the code, " " for code 0, "DEL" for code 95.
std::string labelText(int code);

}  // namespace fontedit::bench
