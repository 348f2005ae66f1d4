#pragma once

// Fonts read at their own size, with no 5 x 8 cell: every glyph as its file draws it, at the
// character its file gives it. Pure: bytes in, font out. Each fails as its classic import
// does on a damaged file, and with FontGlyphTooLarge or FontTooManyGlyphs past the bitmap
// font's bounds.
#include <string>
#include <string_view>

#include "formats/font_import.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

// Keyed by ENCODING as it stands; glyphs with none are left out.
state::BitmapFont readBdf(std::string_view bytes);
state::BitmapFont readPcf(std::string_view bytes);
// Glyph i at character i, or at the characters its Unicode table lists for it. A console
// font tells no baseline: its glyphs stand on it.
state::BitmapFont readPsf(std::string_view bytes);
// The face's Unicode map: the strike of --size, or its first; outlines at --size, or at the
// size that puts every point on a pixel corner.
state::BitmapFont readTrueType(std::string_view bytes, const ImportOptions& options);

// The cells of a sheet such as sheetPng draws of a font of `width` x `height` cells, at any
// whole scale, as rawGlyphs holds them, up to the last cell that holds a dot; a dot is lit
// where its pixels are dark. Fails with SheetNotOfCell for an image of another size.
std::string sheetCells(std::string_view bytes, int width, int height);

// The character `code` names in JIS X 0201: ASCII but for the yen sign and the overline, and
// the half-width katakana from 0xA1; 0 for codes it leaves undefined.
char32_t jisX0201Character(long long code);
// The glyphs of the characters JIS X 0201 names, at their codes 0-255.
state::BitmapFont byJisX0201(const state::BitmapFont& font);

// The classic font: 5 x 8 glyphs whose bottom row lies below the baseline, advancing 6 dots
// as its exports do. Glyph i stands at character 32 + i, or with `byLabel` at the one
// character its label holds; a glyph whose label is not one character is then left out.
// Fails with CellNotAByte or LabelTwice.
state::BitmapFont classicBitmapFont(const state::FontData& data, bool byLabel);

}  // namespace fontedit::formats
