#include "formats/font_data.h"

#include "formats/cp932.h"

namespace fontedit::formats {

FontData fontData(const state::FontTable& font, const state::LabelTable& labels) {
    FontData data;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            data.cells[code][column - 1] = font.cell(code, column);
        }
        data.labels[code] = labels.label(code);
    }
    return data;
}

void storeFontData(const FontData& data, state::FontTable& font, state::LabelTable& labels) {
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            font.setCell(code, column, data.cells[code][column - 1]);
        }
        labels.setLabel(code, data.labels[code]);
    }
}

bool keepsItsPlaceAsLabel(std::string_view label) {
    return label.find_first_of("\r\n") == std::string_view::npos;
}

bool keepsItsPlaceAsCell(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(' ');
    const bool opensQuoted = first != std::string_view::npos && cell[first] == '"';
    return keepsItsPlaceAsLabel(cell) && cell.find(',') == std::string_view::npos && !opensQuoted;
}

state::Facts cellPlace(int code, int column) {
    return {.code = code, .column = column};
}

state::Facts labelPlace(int code) {
    return {.code = code};
}

std::string encodedCell(const FontData& data, int code, int column) {
    return toCp932(data.cells[code][column - 1], cellPlace(code, column));
}

std::string encodedLabel(const FontData& data, int code) {
    return toCp932(data.labels[code], labelPlace(code));
}

}  // namespace fontedit::formats
