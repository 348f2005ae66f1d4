#pragma once

// Glyphs drawn as text for a terminal: '#' for a lit dot, '.' for an unlit one.
#include <array>
#include <string>

#include "state/tables.h"

namespace fontedit::cli {

using GlyphColumns = std::array<std::string, state::kGlyphColumns>;

// Row 0-7 of a glyph whose column texts are `columns`, lit where the editor lights a pixel.
std::string glyphRow(const GlyphColumns& columns, int row);

}  // namespace fontedit::cli
