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
    std::string& cell = cells_[code][column];
    if (text == cell) return;
    for (const Observer& observer : observers_) observer(code, column, cell);
    cell = std::move(text);
}

const std::string& LabelTable::label(int code) const {
    checkCode(code);
    return labels_[code];
}

void LabelTable::setLabel(int code, std::string text) {
    checkCode(code);
    std::string& label = labels_[code];
    if (text == label) return;
    for (const Observer& observer : observers_) observer(code, label);
    label = std::move(text);
}

}  // namespace fontedit::state
