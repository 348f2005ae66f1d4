#pragma once

// One glyph as numbers: a byte per column, column 1 first, bit 0 the top dot.
#include <array>
#include <cstdint>

#include "state/tables.h"

namespace fontedit::state {

using GlyphBytes = std::array<std::uint8_t, kGlyphColumns>;

// Whether dot `row` (0 top, 7 bottom) of a column byte is lit.
constexpr bool dotLit(std::uint8_t column, int row) {
    return (column >> row & 1) != 0;
}

// How a table of bytes holds a glyph.
enum class GlyphLayout {
    Columns,  // a byte per column, left first; bit 0 the top dot, bit 7 with the MSB first
    Rows,     // a byte per dot row, top first; bit 4 the left dot, bit 7 with the MSB first
};

}  // namespace fontedit::state
