#include "pictures/text_canvas.h"

#include <algorithm>

namespace fontedit::pictures {

DotPosition lineGlyphDot(std::size_t index) {
    return {static_cast<int>(index) * kCharacterPitch, 0};
}

DotCanvas lineCanvas(const std::vector<std::optional<int>>& codes, int scale,
                     const DisplayLook& look, const GlyphOf& glyphOf) {
    const int count = static_cast<int>(codes.size());
    DotCanvas canvas(std::max(0, kCharacterPitch * count - 1), state::kGlyphRows, scale, look);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (!codes[i]) continue;
        const DotPosition at = lineGlyphDot(i);
        canvas.drawGlyph(glyphOf(*codes[i]), at.left, at.top);
    }
    return canvas;
}

DotPosition panelCellDot(PanelSize size, std::size_t index) {
    const int column = static_cast<int>(index % static_cast<std::size_t>(size.columns));
    const int row = static_cast<int>(index / static_cast<std::size_t>(size.columns));
    return {kPanelMargin + column * kPanelCellPitchX, kPanelMargin + row * kPanelCellPitchY};
}

DotCanvas panelCanvas(const PanelText& text, PanelSize size, int scale, const DisplayLook& look,
                      const GlyphOf& glyphOf) {
    DotCanvas canvas(panelWidthDots(size), panelHeightDots(size), scale, look);
    for (std::size_t i = 0; i < text.cells.size(); ++i) {
        const std::optional<int> code = text.cells[i];
        const DotPosition at = panelCellDot(size, i);
        canvas.drawGlyph(code ? glyphOf(*code) : state::GlyphBytes{}, at.left, at.top);
    }
    return canvas;
}

BitmapLine bitmapLineCanvas(const state::BitmapFont& font, std::u32string_view text, int scale,
                            const DisplayLook& look) {
    const int height = std::max(font.lineHeight(), 1);
    const int blank = std::max(height / 2, 1);
    int width = 0;
    for (const char32_t character : text) {
        const state::BitmapGlyph* glyph = font.find(character);
        width += glyph ? std::max(glyph->advance, 0) : blank;
    }
    BitmapLine line{DotCanvas(std::max(width, 1), height, scale, look), {}};
    // The canvas starts as the ground, which is the unlit dot only in a look without glass.
    if (look.unlit != look.ground || look.glow != look.ground) {
        for (int y = 0; y < height; ++y) {
            for (int xDot = 0; xDot < std::max(width, 1); ++xDot)
                line.canvas.drawDot(xDot, y, false);
        }
    }
    int x = 0;
    for (const char32_t character : text) {
        const state::BitmapGlyph* glyph = font.find(character);
        if (!glyph) {
            line.missing.push_back({x, x + blank});
            x += blank;
            continue;
        }
        const int top = font.ascent - glyph->bottom - glyph->height;
        for (int row = 0; row < glyph->height; ++row) {
            for (int column = 0; column < glyph->width; ++column) {
                const int xDot = x + glyph->left + column;
                const int yDot = top + row;
                // Dots past the line's ends or height are cut.
                if (xDot < 0 || xDot >= line.canvas.width() / scale || yDot < 0 || yDot >= height)
                    continue;
                if (glyph->dot(column, row)) line.canvas.drawDot(xDot, yDot, true);
            }
        }
        x += std::max(glyph->advance, 0);
    }
    return line;
}

}  // namespace fontedit::pictures
