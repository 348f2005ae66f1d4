#pragma once

// One glyph as numbers: a byte per column, column 1 first, bit 0 the top dot.
#include <array>
#include <cstdint>

#include "state/tables.h"

namespace fontedit::state {

using GlyphBytes = std::array<std::uint8_t, kGlyphColumns>;

}  // namespace fontedit::state
