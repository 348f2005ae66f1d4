#include "pictures/dot_canvas.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "state/failure.h"

namespace fontedit::pictures {
namespace {

// Which pixels of each row of a pitch of `scale` the dot covers, as [first, last): a centred
// square, or the disc inside it.
std::vector<DotSpan> dotSpans(int scale, const DisplayLook& look) {
    const int side = std::max(1, scale * look.dotPercent / 100);
    const int start = (scale - side) / 2;
    std::vector<DotSpan> spans(static_cast<std::size_t>(scale), DotSpan{0, 0});
    const double radius = side / 2.0;
    const double centre = start + radius;
    for (int y = start; y < start + side; ++y) {
        DotSpan span{start, start + side};
        if (look.shape == DotShape::Round && side >= 3) {
            const double dy = y + 0.5 - centre;
            while (span.first < span.last) {
                const double dx = span.first + 0.5 - centre;
                if (dx * dx + dy * dy <= radius * radius) break;
                ++span.first;
                --span.last;
            }
        }
        spans[static_cast<std::size_t>(y)] = span;
    }
    return spans;
}

void fill(std::uint8_t* pixel, int count, Rgb colour) {
    for (int i = 0; i < count; ++i, pixel += 3) {
        pixel[0] = colour.red;
        pixel[1] = colour.green;
        pixel[2] = colour.blue;
    }
}

// The pixels of a picture and the PNG made of them each take this much at most: the sheet and
// the largest panel at the largest scale fit; a longer line of text is refused before drawing.
constexpr std::uint64_t kMostPixelBytes = 128 << 20;

int checkedWidth(int widthDots, int heightDots, int scale) {
    const std::uint64_t width = std::uint64_t(std::max(widthDots, 0)) * std::uint64_t(scale);
    const std::uint64_t height = std::uint64_t(std::max(heightDots, 0)) * std::uint64_t(scale);
    if (width * height > kMostPixelBytes / 3 || width > kLongestSide || height > kLongestSide) {
        throw state::Failure(state::Cause::ImageTooLarge,
                             {.value = std::to_string(width) + " x " + std::to_string(height)});
    }
    return static_cast<int>(width);
}

}  // namespace

DotCanvas::DotCanvas(int widthDots, int heightDots, int scale, const DisplayLook& look)
    : width_(checkedWidth(widthDots, heightDots, scale)),
      height_(heightDots * scale),
      scale_(scale),
      look_(look),
      spans_(dotSpans(scale, look)),
      pixels_(static_cast<std::size_t>(width_) * height_ * 3) {
    fill(pixels_.data(), width_ * height_, look.ground);
}

void DotCanvas::drawGlyph(const state::GlyphBytes& columns, int leftDot, int topDot) {
    for (int column = 0; column < state::kGlyphColumns; ++column) {
        for (int row = 0; row < state::kGlyphRows; ++row) {
            drawDot(leftDot + column, topDot + row, state::dotLit(columns[column], row));
        }
    }
}

void DotCanvas::drawDot(int xDot, int yDot, bool lit) {
    // The whole pitch, so that a dot drawn again over a lit one leaves none of its glow.
    const Rgb around = lit ? look_.glow : look_.ground;
    for (int y = 0; y < scale_; ++y) {
        std::uint8_t* row = &pixels_[((static_cast<std::size_t>(yDot) * scale_ + y) * width_ +
                                      static_cast<std::size_t>(xDot) * scale_) *
                                     3];
        fill(row, scale_, around);
        const DotSpan span = spans_[static_cast<std::size_t>(y)];
        fill(row + span.first * 3, span.last - span.first, lit ? look_.lit : look_.unlit);
    }
}

}  // namespace fontedit::pictures
