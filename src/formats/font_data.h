#pragma once

// The part of the tables that the files hold: codes 0-95, glyph columns 1-5 and labels.
// Files are built from and parsed into this copy, so a failure never touches the tables.
#include <array>
#include <string>
#include <string_view>

#include "state/failure.h"
#include "state/tables.h"

namespace fontedit::formats {

struct FontData {
    // cells[code][column - 1]
    std::array<std::array<std::string, state::kGlyphColumns>, state::kSavedCodes> cells;
    std::array<std::string, state::kSavedCodes> labels;
};

FontData fontData(const state::FontTable& font, const state::LabelTable& labels);
// Replaces codes 0-95 of both tables; codes 96-100 and the other columns stay as they are.
void storeFontData(const FontData& data, state::FontTable& font, state::LabelTable& labels);

// Whether Read gives a text back in its own place. A cell holding a comma or a line end, or
// opening with a quotation mark, splits or joins fields; a label holding a line end splits a
// line; either way every text after it would move.
bool keepsItsPlaceAsCell(std::string_view cell);
bool keepsItsPlaceAsLabel(std::string_view label);

// Where a cell or label stands, as the facts of a failure.
state::Facts cellPlace(int code, int column);
state::Facts labelPlace(int code);

// The CP932 bytes of one cell or label; the failure names the code and the column or label.
std::string encodedCell(const FontData& data, int code, int column);
std::string encodedLabel(const FontData& data, int code);

}  // namespace fontedit::formats
