#pragma once

// A bitmap font of any cell: a line height and glyphs keyed by Unicode character, each with
// its own advance, box, dots (up to 64 x 64) and name. Every format beyond the classic 5 x 8
// pair reads into and writes from this.
#include <cstdint>
#include <string>
#include <vector>

#include "state/glyph_rows.h"

namespace fontedit::state {

inline constexpr int kMaxGlyphSide = 64;
inline constexpr int kMaxBitmapGlyphs = 65536;

struct BitmapGlyph {
    char32_t character = 0;
    int advance = 0;  // dots from this glyph's origin to the next one's
    // The box of the dots, as BDF's BBX: its size, and its lower-left corner against the
    // origin on the baseline, y growing upwards.
    int width = 0;
    int height = 0;
    int left = 0;
    int bottom = 0;
    std::string name;  // the label; BDF's STARTCHAR
    // One number per row of the box, top row first; bit x is the dot in column x from the left.
    GlyphRows rows;

    bool dot(int x, int y) const;
    void setDot(int x, int y, bool lit);
    bool operator==(const BitmapGlyph&) const = default;
};

struct BitmapFont {
    int ascent = 0;   // rows above the baseline
    int descent = 0;  // rows below it
    // Sorted by character, each character once.
    std::vector<BitmapGlyph> glyphs;
    std::string family;  // the font's own name, as its file gives it; empty if none

    int lineHeight() const { return ascent + descent; }
    const BitmapGlyph* find(char32_t character) const;
    BitmapGlyph* find(char32_t character);
    // Adds the glyph in its place, or replaces the one at its character.
    void put(BitmapGlyph glyph);
    bool erase(char32_t character);
    bool operator==(const BitmapFont&) const = default;
};

// The box that holds every glyph's dots and the line, against the origin on the baseline, y up.
struct FontCell {
    int left = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    int top() const { return bottom + height; }
    bool operator==(const FontCell&) const = default;
};
FontCell fontCell(const BitmapFont& font);

// Whether the dot `x` columns right of the cell's left and `y` rows down from its top is lit.
bool cellDot(const FontCell& cell, const BitmapGlyph& glyph, int x, int y);

// Rows packed 8 dots to a byte, as BDF, PSF and raw tables keep them: the bytes a row of
// `width` dots takes, and byte `index` of `row`, its left dot in bit 7.
constexpr int rowByteCount(int width) {
    return (width + 7) / 8;
}
std::uint8_t rowByte(std::uint64_t row, int width, int index);

// A glyph of the given box with no dot lit.
BitmapGlyph blankGlyph(char32_t character, int width, int height);

// The name a glyph goes by in a file that names each glyph with one word, as BDF does: its own
// where it is one, with no blank or control byte, else "uni3042" ("u1F600" past U+FFFF).
std::string wordName(const BitmapGlyph& glyph);

}  // namespace fontedit::state
