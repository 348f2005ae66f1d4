#include "window/glyph_drawing.h"

#include <QPainter>

#include "formats/common/font_bytes.h"
#include "window/widget_style.h"

namespace fontedit::window {

// A run of lit dots down a column is one rectangle: a repaint per toggle stays cheap.
void drawGlyph(QPainter& painter, const state::GlyphBytes& glyph, QPoint topLeft, int dot) {
    const QColor lit(kLitColour);
    for (int column = 0; column < state::kGlyphColumns; ++column) {
        for (int row = 0; row < state::kGlyphRows;) {
            if (!formats::dotLit(glyph[column], row)) {
                ++row;
                continue;
            }
            const int top = row;
            while (row < state::kGlyphRows && formats::dotLit(glyph[column], row)) ++row;
            painter.fillRect(topLeft.x() + column * dot, topLeft.y() + top * dot, dot,
                             (row - top) * dot, lit);
        }
    }
}

// A run of lit dots along a row is one rectangle.
void drawGlyph(QPainter& painter, const state::BitmapGlyph& glyph, QPoint topLeft, int dot) {
    const QColor lit(kLitColour);
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width;) {
            if (!glyph.dot(x, y)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < glyph.width && glyph.dot(x, y)) ++x;
            painter.fillRect(topLeft.x() + first * dot, topLeft.y() + y * dot, (x - first) * dot,
                             dot, lit);
        }
    }
}

}  // namespace fontedit::window
