#pragma once

// The bitmap font for other programs, at its own size. Formats that keep every glyph in one
// cell (psf, png, bin) take the smallest cell that holds every glyph's dots and advance, the
// origins on one baseline in its left column; glyphs follow in the order of their characters.
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "state/bitmap_font.h"

namespace fontedit::formats {

// The cell every glyph fits: its size, and where the origin of each glyph lies in it.
struct GlyphCell {
    int width = 0, height = 0;
    int originX = 0;  // columns left of the origin
    int ascent = 0;   // rows above the baseline
};
GlyphCell glyphCell(const state::BitmapFont& font);

// Each glyph's cell, row after row, top first, rowByteCount(width) bytes a row, the left dot
// in bit 7.
std::string rawGlyphs(const state::BitmapFont& font);

// A PSF2 console font of 256 glyphs, or 512 for more, characters drawn alike sharing one;
// each glyph whose first character is below that count at its own position and the others
// at the free ones, with the Unicode table of every position. More than 512 glyphs fail with
// TooManyForFormat.
std::string psf2Font(const state::BitmapFont& font);
inline constexpr int kMostPsfGlyphs = 512;
inline constexpr FormatLimits kPsfLimits{.mostDrawings = kMostPsfGlyphs};

// The glyphs on the sheet's grid at their cell, 16 to a row, two blank dots between and
// around them, `scale` pixels a dot. Fails with PngTooLarge past kMostSheetPixels.
std::string sheetPng(const state::BitmapFont& font, int scale);
inline constexpr long long kMostSheetPixels = 64LL << 20;

}  // namespace fontedit::formats
