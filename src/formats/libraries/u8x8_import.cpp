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

constexpr std::size_t kHeaderBytes = 4;
// The tile's top row is the cell's: rows 0-6 above the baseline, row 7 under it.
constexpr long long kCellAscent = 7;
constexpr int kTileDots = 8;

[[noreturn]] void damaged() {
    throw Failure(Cause::LibraryFontDamaged, {.value = "u8x8"});
}

}  // namespace

// First and last character, tiles across and down, then a glyph after another, its tiles row
// after row, eight column bytes a tile with bit 0 the top.
ImportedFont importU8x8(std::string_view source, const ImportOptions& options) {
    requireImportSize(source.size());
    const std::optional<std::string> font = markedString(cTokens(source), kU8x8Section);
    if (!font || font->size() < kHeaderBytes) damaged();
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>((*font)[at]); };
    const int firstCode = byte(0), lastCode = byte(1), across = byte(2), down = byte(3);
    const std::size_t glyphBytes = static_cast<std::size_t>(across) * down * kTileDots;
    const auto glyphs = static_cast<std::size_t>(lastCode - firstCode + 1);
    if (lastCode < firstCode || glyphBytes == 0 ||
        font->size() < kHeaderBytes + glyphs * glyphBytes)
        damaged();
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
            kHeaderBytes + static_cast<std::size_t>(code - firstCode) * glyphBytes;
        for (std::size_t at = 0; at < glyphBytes; ++at) {
            const std::size_t tile = at / kTileDots;
            const long long x = static_cast<long long>(tile % across * kTileDots + at % kTileDots);
            const long long top = static_cast<long long>(tile / across * kTileDots);
            for (int bit = 0; bit < kTileDots; ++bit) {
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
    if (!font || font->size() < kHeaderBytes) damaged();
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>((*font)[at]); };
    const int firstCode = byte(0), lastCode = byte(1), across = byte(2), down = byte(3);
    const std::size_t glyphBytes = static_cast<std::size_t>(across) * down * kTileDots;
    if (lastCode < firstCode || glyphBytes == 0 ||
        font->size() <
            kHeaderBytes + static_cast<std::size_t>(lastCode - firstCode + 1) * glyphBytes)
        damaged();
    const int width = across * kTileDots, height = down * kTileDots;
    if (width > state::kMaxGlyphSide || height > state::kMaxGlyphSide) {
        throw Failure(Cause::CellPastFormat,
                      {.value = cellText(width, height),
                       .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
    }
    state::BitmapFont result{.ascent = height - height / kTileDots,
                             .descent = height / kTileDots,
                             .glyphs = {},
                             .family = {}};
    for (int code = firstCode; code <= lastCode; ++code) {
        const auto character = static_cast<char32_t>(code);
        state::BitmapGlyph glyph = state::blankGlyph(character, width, height);
        glyph.name = characterName(character);
        glyph.bottom = -result.descent;
        const std::size_t start =
            kHeaderBytes + static_cast<std::size_t>(code - firstCode) * glyphBytes;
        for (std::size_t at = 0; at < glyphBytes; ++at) {
            const std::size_t tile = at / kTileDots;
            const int x = static_cast<int>(tile % static_cast<std::size_t>(across)) * kTileDots +
                          static_cast<int>(at % kTileDots);
            const int top = static_cast<int>(tile / static_cast<std::size_t>(across)) * kTileDots;
            for (int bit = 0; bit < kTileDots; ++bit) {
                if (byte(start + at) >> bit & 1) glyph.setDot(x, top + bit, true);
            }
        }
        result.glyphs.push_back(std::move(glyph));
    }
    return result;
}

}  // namespace fontedit::formats
