#pragma once

// Text drawn on a DotCanvas, a line of it or a character LCD of it: render encodes these
// canvases, and the window's preview shows them, drawing a changed glyph again in its cells.
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "pictures/character_panel.h"
#include "pictures/dot_canvas.h"
#include "state/bitmap_font.h"

namespace fontedit::pictures {

// The dots of glyph `code`, as the caller's font holds them now.
using GlyphOf = std::function<state::GlyphBytes(int code)>;

struct DotPosition {
    int left;
    int top;
};

// A glyph of a line `kCharacterPitch` dots after the one before; a character with no glyph
// leaves its place blank.
DotPosition lineGlyphDot(std::size_t index);
DotCanvas lineCanvas(const std::vector<std::optional<int>>& codes, int scale,
                     const DisplayLook& look, const GlyphOf& glyphOf);

// Cell `index` of the panel, counted row after row, inside its margin and gutters.
DotPosition panelCellDot(PanelSize size, std::size_t index);
// Every cell, a blank one as the dots of an empty glyph.
DotCanvas panelCanvas(const PanelText& text, PanelSize size, int scale, const DisplayLook& look,
                      const GlyphOf& glyphOf);

// A line of text in a font of any cell: each character's glyph on one baseline, the next one
// its advance further; a character the font has no glyph for stands as a blank, half the
// line's height wide, whose dot span is in `missing`. The line is the font's height, at least
// one dot.
struct BitmapLine {
    DotCanvas canvas;
    std::vector<DotSpan> missing;
};
BitmapLine bitmapLineCanvas(const state::BitmapFont& font, std::u32string_view text, int scale,
                            const DisplayLook& look);

}  // namespace fontedit::pictures
