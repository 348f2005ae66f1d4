#include "formats/dot_canvas.h"

#include <algorithm>

namespace fontedit::formats {
namespace {

// Which pixels of a pitch of `scale` the dot covers: a centred square, or the disc inside it.
std::vector<bool> dotMask(int scale, const DisplayLook& look) {
    const int side = std::max(1, scale * look.dotPercent / 100);
    const int start = (scale - side) / 2;
    std::vector<bool> mask(static_cast<std::size_t>(scale) * scale, false);
    const double radius = side / 2.0;
    const double centre = start + radius;
    for (int y = start; y < start + side; ++y) {
        for (int x = start; x < start + side; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            const bool inside =
                look.shape == DotShape::Square || side < 3 || dx * dx + dy * dy <= radius * radius;
            mask[static_cast<std::size_t>(y) * scale + x] = inside;
        }
    }
    return mask;
}

}  // namespace

DotCanvas::DotCanvas(int widthDots, int heightDots, int scale, const DisplayLook& look)
    : width_(widthDots * scale),
      height_(heightDots * scale),
      scale_(scale),
      look_(look),
      inDot_(dotMask(scale, look)),
      pixels_(static_cast<std::size_t>(width_) * height_ * 3) {
    for (std::size_t i = 0; i < pixels_.size(); i += 3) {
        pixels_[i] = look.ground.red;
        pixels_[i + 1] = look.ground.green;
        pixels_[i + 2] = look.ground.blue;
    }
}

void DotCanvas::drawGlyph(const GlyphBytes& columns, int leftDot, int topDot) {
    for (int column = 0; column < state::kGlyphColumns; ++column) {
        for (int row = 0; row < state::kGlyphRows; ++row) {
            drawDot(leftDot + column, topDot + row, dotLit(columns[column], row));
        }
    }
}

void DotCanvas::drawDot(int xDot, int yDot, bool lit) {
    const Rgb dot = lit ? look_.lit : look_.unlit;
    for (int y = 0; y < scale_; ++y) {
        std::uint8_t* pixel = &pixels_[((static_cast<std::size_t>(yDot) * scale_ + y) * width_ +
                                        static_cast<std::size_t>(xDot) * scale_) *
                                       3];
        for (int x = 0; x < scale_; ++x, pixel += 3) {
            const bool inside = inDot_[static_cast<std::size_t>(y) * scale_ + x];
            if (!inside && !lit) continue;
            const Rgb colour = inside ? dot : look_.glow;
            pixel[0] = colour.red;
            pixel[1] = colour.green;
            pixel[2] = colour.blue;
        }
    }
}

}  // namespace fontedit::formats
