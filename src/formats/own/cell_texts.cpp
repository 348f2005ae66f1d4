#include "formats/own/cell_texts.h"

#include "formats/own/cp932.h"

namespace fontedit::formats {

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

std::string encodedCell(const state::FontData& data, int code, int column) {
    return toCp932(data.cells[code][column - 1], cellPlace(code, column));
}

std::string encodedLabel(const state::FontData& data, int code) {
    return toCp932(data.labels[code], labelPlace(code));
}

}  // namespace fontedit::formats
