#pragma once

// The rules for the texts of cells and labels as the files hold them.
#include <string>
#include <string_view>

#include "state/failure.h"
#include "state/font_data.h"

namespace fontedit::formats {

// Whether Read gives a text back in its own place. A cell holding a comma or a line end, or
// opening with a quotation mark, splits or joins fields; a label holding a line end splits a
// line; either way every text after it would move.
bool keepsItsPlaceAsCell(std::string_view cell);
bool keepsItsPlaceAsLabel(std::string_view label);

// Where a cell or label stands, as the facts of a failure.
state::Facts cellPlace(int code, int column);
state::Facts labelPlace(int code);

// The CP932 bytes of one cell or label; the failure names the code and the column or label.
std::string encodedCell(const state::FontData& data, int code, int column);
std::string encodedLabel(const state::FontData& data, int code);

}  // namespace fontedit::formats
