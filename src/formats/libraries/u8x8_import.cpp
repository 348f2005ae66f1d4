#include <string>

#include "formats/c/c_tokens.h"
#include "formats/common/bitmap_cell.h"
#include "formats/common/cell_font.h"
#include "formats/font_import.h"
#include "formats/libraries/u8x8.h"
#include "formats/marks.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// The tile's top row is the cell's: rows 0-6 above the baseline, row 7 under it.
constexpr long long kCellAscent = 7;

[[noreturn]] void u8x8Damaged() {
    throw Failure(Cause::LibraryFontDamaged, {.value = "u8x8"});
}

}  // namespace

// First and last character, tiles across and down, then a glyph after another, its tiles row
// after row, eight column bytes a tile with bit 0 the top.
ImportedFont importU8x8(std::string_view source, const ImportOptions& options) {
    requireImportSize(source.size());
    const std::optional<std::string> font = markedString(cTokens(source), kU8x8Section);
    if (!font || font->size() < kU8x8HeaderBytes) u8x8Damaged();
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>((*font)[at]); };
    const int firstCode = byte(0), lastCode = byte(1), across = byte(2), down = byte(3);
    const std::size_t glyphBytes = static_cast<std::size_t>(across) * down * kU8x8TileDots;
    const auto glyphs = static_cast<std::size_t>(lastCode - firstCode + 1);
    if (lastCode < firstCode || glyphBytes == 0 ||
        font->size() < kU8x8HeaderBytes + glyphs * glyphBytes)
        u8x8Damaged();
    std::vector<long long> encodings;
    for (int code = firstCode; code <= lastCode; ++code) encodings.push_back(code);
    const long long first =
        options.first ? *options.first : onlyRun(encodings).value_or(kDefaultFirst);
    CellFont cells(options, first, kCellAscent, state::kGlyphRows - kCellAscent);
    for (int code = firstCode; code <= lastCode; ++code) {
        cells.sawEncoding(code);
        if (!cells.wanted(code)) continue;
        CellGlyph glyph{.name = std::to_string(code), .encoding = code};
        const std::size_t start =
            kU8x8HeaderBytes + static_cast<std::size_t>(code - firstCode) * glyphBytes;
        for (std::size_t at = 0; at < glyphBytes; ++at) {
            const std::size_t tile = at / kU8x8TileDots;
            const long long x =
                static_cast<long long>(tile % across * kU8x8TileDots + at % kU8x8TileDots);
            const long long top = static_cast<long long>(tile / across * kU8x8TileDots);
            for (int bit = 0; bit < kU8x8TileDots; ++bit) {
                if (byte(start + at) >> bit & 1) cells.dot(glyph, x, kCellAscent - 1 - (top + bit));
            }
        }
        cells.place(glyph);
    }
    return cells.font("ISO10646", "1");
}

// The same at the font's own size: the tiles' cell, its bottom eighth below the baseline as
// the classic cell's bottom row is.
state::BitmapFont u8x8BitmapImport(std::string_view source) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const std::optional<std::string> font = markedString(cTokens(source), "U8X8_FONT_SECTION");
    if (!font || font->size() < kU8x8HeaderBytes) u8x8Damaged();
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>((*font)[at]); };
    const int firstCode = byte(0), lastCode = byte(1), across = byte(2), down = byte(3);
    const std::size_t glyphBytes = static_cast<std::size_t>(across) * down * kU8x8TileDots;
    if (lastCode < firstCode || glyphBytes == 0 ||
        font->size() <
            kU8x8HeaderBytes + static_cast<std::size_t>(lastCode - firstCode + 1) * glyphBytes)
        u8x8Damaged();
    const int width = across * kU8x8TileDots, height = down * kU8x8TileDots;
    if (width > state::kMaxGlyphSide || height > state::kMaxGlyphSide) {
        throw Failure(Cause::CellPastFormat,
                      {.value = cellText(width, height),
                       .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
    }
    state::BitmapFont result{.ascent = height - height / kU8x8TileDots,
                             .descent = height / kU8x8TileDots,
                             .glyphs = {},
                             .family = {}};
    for (int code = firstCode; code <= lastCode; ++code) {
        const auto character = static_cast<char32_t>(code);
        state::BitmapGlyph glyph = state::blankGlyph(character, width, height);
        glyph.name = characterName(character);
        glyph.bottom = -result.descent;
        const std::size_t start =
            kU8x8HeaderBytes + static_cast<std::size_t>(code - firstCode) * glyphBytes;
        for (std::size_t at = 0; at < glyphBytes; ++at) {
            const std::size_t tile = at / kU8x8TileDots;
            const int x =
                static_cast<int>(tile % static_cast<std::size_t>(across)) * kU8x8TileDots +
                static_cast<int>(at % kU8x8TileDots);
            const int top =
                static_cast<int>(tile / static_cast<std::size_t>(across)) * kU8x8TileDots;
            for (int bit = 0; bit < kU8x8TileDots; ++bit) {
                if (byte(start + at) >> bit & 1) glyph.setDot(x, top + bit, true);
            }
        }
        result.glyphs.push_back(std::move(glyph));
    }
    return result;
}

}  // namespace fontedit::formats
