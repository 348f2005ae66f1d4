#pragma once

// Adafruit GFX (and TFT_eSPI) GFXfont headers, both ways. The classic font is laid out as the
// library's own converter writes one: each glyph's box trimmed to its lit dots, its rows packed
// MSB first with no padding between rows and the glyph padded to a whole byte, a GFXglyph
// table, then the GFXfont. Drawn at the cursor, row 6 of the cell stands on the cursor's line,
// as a glyph stands on its baseline; every glyph advances 6 dots and a line 8. A bitmap font
// of any cell keeps its own boxes and advances.
#include <cstddef>
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

inline constexpr int kGfxAdvance = 6;
inline constexpr int kGfxLineAdvance = 8;
// The cell row drawn on the cursor's line.
inline constexpr int kGfxBaselineRow = 6;
// How the header states its own making; the import knows its own export by it.
inline constexpr std::string_view kGfxOpening = "/* A 5 x 8 font of 96 glyphs from fontedit, ";

// The GFXglyph's 16-bit bitmapOffset and character range.
inline constexpr std::size_t kGfxMostBitmapBytes = 0xFFFF;
inline constexpr FormatLimits kGfxLimits{.lastCharacter = 0xFFFF,
                                         .mostBitBytes = kGfxMostBitmapBytes};

// The symbols are NAME, NAMEBitmaps and NAMEGlyphs; glyph 0 is character `first`. Fails with
// CellNotAByte on the first cell that is not a byte.
std::string gfxfontBytes(const state::FontData& data, std::string_view name, int first);

// Glyphs that fit the 5x8 cell with the cursor's line on row 6 come in exactly; a larger one
// is refused unless options.crop. Glyph 0 is the space when the font holds it.
ImportedFont importGfxFont(std::string_view source, const ImportOptions& options);

struct GfxfontBitmapOptions {
    std::string name = "Font";
};
std::string gfxfontBitmapExport(const state::BitmapFont& font, const GfxfontBitmapOptions& options);
state::BitmapFont gfxfontBitmapImport(std::string_view source);

}  // namespace fontedit::formats
