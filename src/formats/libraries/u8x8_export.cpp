#include "formats/libraries/u8x8.h"

#include <algorithm>

#include "formats/common/bitmap_cell.h"
#include "formats/common/font_bytes.h"
#include "formats/marks.h"
#include "formats/tables/c_source_export.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {}  // namespace

std::string u8x8BitmapData(const state::BitmapFont& font) {
    checkLimits(font, kU8x8Limits);
    if (font.glyphs.empty()) throw state::Failure(state::Cause::NoGlyphForCharacter, {});
    const FontCell cell = fontCell(font);
    const int across = std::max(1, (cell.width + kU8x8TileDots - 1) / kU8x8TileDots);
    const int down = std::max(1, (cell.height + kU8x8TileDots - 1) / kU8x8TileDots);
    const char32_t first = font.glyphs.front().character, last = font.glyphs.back().character;
    std::string data = {static_cast<char>(first), static_cast<char>(last),
                        static_cast<char>(across), static_cast<char>(down)};
    const std::size_t glyphBytes = static_cast<std::size_t>(across * down * kU8x8TileDots);
    data.reserve(data.size() + (last - first + 1) * glyphBytes);
    for (char32_t character = first; character <= last; ++character) {
        const state::BitmapGlyph* glyph = font.find(character);
        for (int tile = 0; tile < across * down; ++tile) {
            for (int column = 0; column < kU8x8TileDots; ++column) {
                unsigned byte = 0;
                const int x = tile % across * kU8x8TileDots + column;
                for (int bit = 0; bit < kU8x8TileDots && glyph; ++bit) {
                    if (cellDot(cell, *glyph, x, tile / across * kU8x8TileDots + bit))
                        byte |= 1u << bit;
                }
                data += static_cast<char>(byte);
            }
        }
    }
    return data;
}

std::string u8x8BitmapExport(const state::BitmapFont& font, const U8x8BitmapOptions& options) {
    return cFontString(fontSummary(font) + " from fontedit as a u8x8 tile font, " +
                           characterSummary(font) + ".\n   u8x8.setFont(" + options.name +
                           ") selects it.",
                       "U8X8_FONT_SECTION", options.name, u8x8BitmapData(font));
}

std::string u8x8FontData(const state::FontData& data, int first) {
    if (first > kLastU8x8First) {
        throw state::Failure(state::Cause::CharacterPastFormat,
                             {.code = first + state::kSavedCodes - 1, .value = "255"});
    }
    return u8x8BitmapData(classicBitmapFont(data, first));
}

std::string u8x8Source(const state::FontData& data, const std::string& name, int first) {
    return cFontString("A 5 x 8 font of 96 glyphs from fontedit as a u8x8 tile font, characters " +
                           std::to_string(first) + "-" +
                           std::to_string(first + state::kSavedCodes - 1) + ".\n   u8x8.setFont(" +
                           name + ") selects it.",
                       kU8x8Section, name, u8x8FontData(data, first));
}

}  // namespace fontedit::formats
