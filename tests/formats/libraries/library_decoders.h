#pragma once

// What the drawing tests of the display libraries' formats share, each written here from the
// library's public description of its format, never from the export: the C text their small
// programs are compiled from, and the box of lit dots a converter trims a glyph to.
#include <string_view>

#include "state/glyph_bytes.h"

namespace fontedit::formats::decoders {

// gfxfont.h's structs: GFXglyph, where a glyph's bits begin, its box, advance and offset from
// the cursor; GFXfont, the bitmap, the glyphs, the first and last character, the line's advance.
extern const std::string_view kGfxStructs;

// u8g2's font format: a 23-byte header of bit widths and offsets, then glyphs of one code byte
// (two above 0xFF, past a lookup table) and a jump to the next, their fields packed from the
// least significant bit, signed ones offset by half their range; the box is drawn row after
// row from pairs of runs of background and foreground pixels, each pair followed by a bit that
// repeats it. u8g2_draw(font, code, x, y) calls dot() for each lit pixel of the glyph at the
// origin (x, y), y the first row below the baseline, its box's bottom `y offset` rows above
// it; it returns the advance, or -2 for no glyph.
extern const std::string_view kU8g2Drawer;

// lv_font_fmt_txt.h's glyph description, the kinds of character map, and a character map.
extern const std::string_view kLvglGlyphsAndMaps;

// The lit dots of a 5 x 8 glyph: its leftmost and rightmost columns, its top and bottom rows,
// y down; right < 0 when no dot is lit.
struct LitBox {
    int left = 5, right = -1, top = 8, bottom = -1;
};
LitBox litBox(const state::GlyphBytes& columns);

}  // namespace fontedit::formats::decoders
