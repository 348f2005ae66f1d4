#include "state/pixels.h"

#include <stdexcept>
#include <string>

namespace fontedit::state {
namespace {

void checkPixel(int column, int row) {
    if (column < 1 || column > kGlyphColumns || row < 0 || row >= kGlyphRows) {
        throw std::out_of_range("pixel " + std::to_string(column) + "," + std::to_string(row));
    }
}

}  // namespace

PixelColour PixelGrid::colour(int column, int row) const {
    checkPixel(column, row);
    return colours_[column - 1][row];
}

void PixelGrid::setColour(int column, int row, PixelColour colour) {
    checkPixel(column, row);
    colours_[column - 1][row] = colour;
    for (const Observer& observer : observers_) observer(column, row, colour);
}

}  // namespace fontedit::state
