#pragma once

// "render": pictures of the font as PNG images, in a display's look: by default lit dots in the
// editor's lit colour on white. Each dot pitch is `scale` x `scale` pixels.
#include <string>
#include <string_view>

#include "pictures/character_panel.h"
#include "pictures/display_looks.h"
#include "pictures/dot_canvas.h"
#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr int kDefaultScale = 4;
inline constexpr int kLargestScale = 64;

// One line of UTF-8 text, not empty, one blank column between glyphs: (6 x characters - 1) x scale
// by 8 x scale pixels. A character takes the glyph whose label it is, or else its ASCII code minus
// 32; one with neither fails with NoGlyphForCharacter naming it.
std::string textPng(const state::FontData& data, std::string_view text, int scale = kDefaultScale,
                    const pictures::DisplayLook& look = pictures::paperLook());

// All 96 glyphs, 16 to a row, two blank dots between them and around them.
std::string sheetPng(const state::FontData& data, int scale = kDefaultScale,
                     const pictures::DisplayLook& look = pictures::paperLook());

// The canvas as a PNG image; fails with PngNotEncoded.
std::string encodedPng(const pictures::DotCanvas& canvas);

struct PanelPicture {
    std::string png;
    pictures::PanelText text;  // what each cell shows, and what the module could not show
};

// The text on a character LCD of `size` cells, as pictures::panelText lays it out, in margins of
// pictures::kPanelMargin dots: every cell is drawn, the ones the text does not reach blank, as is a
// character with no glyph.
PanelPicture panelPng(const state::FontData& data, std::string_view text, pictures::PanelSize size,
                      int scale, const pictures::DisplayLook& look);

}  // namespace fontedit::formats
