#pragma once

// What every display library's format needs of a bitmap font: the cell that holds all its
// glyphs, each glyph's box trimmed to its lit dots and packed into bits, the classic 5 x 8
// font seen as a bitmap font, and the limits each format puts on a font.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

using state::cellDot;
using state::FontCell;
using state::fontCell;

// A glyph's lit dots: their box in the glyph's own columns and rows (row 0 the top).
struct TrimmedBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool empty() const { return width == 0; }
    // The box's bottom row, in rows above the baseline.
    int bottom(const state::BitmapGlyph& glyph) const {
        return glyph.bottom + glyph.height - top - height;
    }
};
TrimmedBox trimmedBox(const state::BitmapGlyph& glyph);

// The box's dots row after row, left to right, eight to a byte from bit 7 down, the last byte
// filled out with zeros; as GFXfont and LVGL hold a glyph.
std::vector<std::uint8_t> msbFirstBits(const state::BitmapGlyph& glyph, const TrimmedBox& box);
// How many bytes msbFirstBits gives for the box.
constexpr std::size_t msbFirstByteCount(const TrimmedBox& box) {
    return (static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height) + 7) / 8;
}

// The classic font as a bitmap font: glyph `code` at character first + code, 5 x 8 dots with
// row 6 on the baseline, advancing 6, named by its label.
inline constexpr int kClassicAdvance = 6;
state::BitmapFont classicBitmapFont(const state::FontData& data, int first);

// Whether every glyph has the advance of the first.
bool monospaced(const state::BitmapFont& font);

// "U+00B0": a character as comments and glyph names show it.
std::string codePointText(char32_t character);

// What a format takes: cells up to this size (0: any), characters up to this one, and at most
// this many glyphs. Each format's own are in its room, beside its reader and writer.
struct FormatLimits {
    int widest = 0;
    int highest = 0;
    char32_t lastCharacter = 0x10FFFF;
    std::size_t mostGlyphs = state::kMaxBitmapGlyphs;
    // The bytes of every glyph's lit dots packed as msbFirstBits packs them; 0: any.
    std::size_t mostBitBytes = 0;
    // Glyphs drawn differently, where characters drawn alike share one glyph; 0: any.
    std::size_t mostDrawings = 0;
    // The glyphs lie on the classic 5 x 8 cell, whose row 6 stands on the baseline.
    bool classicCell = false;
};
// Whether the limits take the font.
bool holds(const FormatLimits& limits, const state::BitmapFont& font);

// "8x16".
std::string cellText(int width, int height);
// "c, bdf, lvgl": the formats whose limits take the font, in the registry's order; defined
// with the registry (formats/registry.cpp), whose rows hold every writer's limits.
std::string formatsTaking(const state::BitmapFont& font);

// Refuses a font a format cannot hold, naming what it got, what the format takes and which
// formats take the font: CellPastFormat, CharacterNotHeld or TooManyGlyphs.
void checkLimits(const state::BitmapFont& font, const FormatLimits& limits);

// Refuses with GlyphFieldPastFormat a glyph whose field `field` of the format would hold
// `value`, outside least..most.
void checkField(const state::BitmapGlyph& glyph, std::string_view field, int value, int least,
                int most);

// "A 8 x 16 font of 96 glyphs" or "A proportional font of 96 glyphs, 16 dots high".
std::string fontSummary(const state::BitmapFont& font);
// "U+0020-U+007E" or, with characters left out, "96 characters from U+0020 to U+30FF".
std::string characterSummary(const state::BitmapFont& font);
// "/* U+0041 "A" */": a glyph's character and name, as a comment after its bytes.
std::string bitmapGlyphComment(const state::BitmapGlyph& glyph);
// Whether the characters are one run with none left out.
bool oneRun(const state::BitmapFont& font);

// A read glyph's name: the character it draws, or "U+0085" for one that draws none.
std::string characterName(char32_t character);

class CTokens;
// The values of the brace-enclosed list at `open`, nested lists flattened, each a byte.
// Fails with ConditionalInList, NotAConstant or NotAByte naming the line.
std::vector<std::uint8_t> listBytes(const CTokens& tokens, std::size_t open);

}  // namespace fontedit::formats
