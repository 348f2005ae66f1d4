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

}  // namespace fontedit::pictures
