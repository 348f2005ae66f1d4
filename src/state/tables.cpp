#include "state/tables.h"

#include <stdexcept>

#include "state/failure.h"

namespace fontedit::state {
namespace {

void checkColumn(int column) {
    if (column < 0 || column >= kTableColumns) {
        throw std::out_of_range("glyph table column " + std::to_string(column));
    }
}

}  // namespace

void checkCode(int code) {
    if (code < 0 || code >= kCodeCount) throw Failure(Cause::CodeOutOfRange, {.code = code});
}

const std::string& FontTable::cell(int code, int column) const {
    checkCode(code);
    checkColumn(column);
    return cells_[code][column];
}

void FontTable::setCell(int code, int column, std::string text) {
    checkCode(code);
    checkColumn(column);
    cells_[code][column] = std::move(text);
}

const std::string& LabelTable::label(int code) const {
    checkCode(code);
    return labels_[code];
}

void LabelTable::setLabel(int code, std::string text) {
    checkCode(code);
    labels_[code] = std::move(text);
}

}  // namespace fontedit::state
