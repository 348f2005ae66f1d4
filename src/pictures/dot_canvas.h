#pragma once

// An RGB picture measured in dots, drawn in a display's look: the ground first, then glyph cells
// dot by dot. render encodes it as PNG; the window shows the same pixels.
#include <cstdint>
#include <vector>

#include "pictures/display_looks.h"
#include "state/glyph_bytes.h"

namespace fontedit::pictures {

// The pixels [first, last) of one row of a dot's pitch that the dot covers.
struct DotSpan {
    int first;
    int last;
};

// The longest side of a picture: PNG encoders, libpng's among them, refuse a side longer than
// a million pixels by default, and every picture may end up as a PNG.
inline constexpr int kLongestSide = 1'000'000;

class DotCanvas {
public:
    // `scale` pixels a dot pitch each way, 1 or more. A picture larger than any the program
    // draws, or with a side longer than kLongestSide, fails with ImageTooLarge before its pixels
    // are made.
    DotCanvas(int widthDots, int heightDots, int scale, const DisplayLook& look);

    // The 5 x 8 dots of a glyph, each lit or unlit, its top left dot at (leftDot, topDot).
    void drawGlyph(const state::GlyphBytes& columns, int leftDot, int topDot);
    void drawDot(int xDot, int yDot, bool lit);

    int width() const { return width_; }
    int height() const { return height_; }
    // Three bytes a pixel, row after row, with no padding.
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    int scale_;
    DisplayLook look_;
    std::vector<DotSpan> spans_;  // a row of the pitch each
    std::vector<std::uint8_t> pixels_;
};

}  // namespace fontedit::pictures
