#pragma once

// A glyph drawn dot by dot in the lit colour, for every picture of the font in the window.
#include <QPoint>

#include "state/bitmap_font.h"
#include "state/glyph_bytes.h"

class QPainter;

namespace fontedit::window {

// Each dot a square of `dot` pixels, the top left one at `topLeft`; unlit dots are left as they
// are.
void drawGlyph(QPainter& painter, const state::GlyphBytes& glyph, QPoint topLeft, int dot);
// A glyph of any box likewise, its box's top left dot at `topLeft`.
void drawGlyph(QPainter& painter, const state::BitmapGlyph& glyph, QPoint topLeft, int dot);

}  // namespace fontedit::window
