#include "formats/common/bitmap_writers.h"

#include <algorithm>
#include <map>
#include <vector>

#include "formats/console/psf_export.h"
#include "formats/png/png_render.h"
#include "pictures/dot_canvas.h"
#include "pictures/sheet_grid.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::formats {

using state::BitmapFont;
using state::BitmapGlyph;
using state::Cause;
using state::Failure;

GlyphCell glyphCell(const BitmapFont& font) {
    int left = 0, right = 0, top = font.ascent, bottom = -font.descent;
    for (const BitmapGlyph& glyph : font.glyphs) {
        right = std::max(right, glyph.advance);
        if (glyph.width == 0 || glyph.height == 0) continue;
        left = std::min(left, glyph.left);
        right = std::max(right, glyph.left + glyph.width);
        top = std::max(top, glyph.bottom + glyph.height);
        bottom = std::min(bottom, glyph.bottom);
    }
    return {right - left, top - bottom, -left, top};
}

namespace {

// Row y of the cell, from its top, bit x the dot in column x; the cell is 64 dots wide at
// most, which glyphCell's callers check.
std::uint64_t cellRow(const BitmapGlyph& glyph, const GlyphCell& cell, int y) {
    const int row = glyph.height - cell.ascent + y + glyph.bottom;  // of the glyph's box
    if (row < 0 || row >= glyph.height || glyph.width == 0) return 0;
    const std::uint64_t bits =
        glyph.rows[static_cast<std::size_t>(row)] &
        (glyph.width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << glyph.width) - 1);
    return bits << (cell.originX + glyph.left);
}

void appendCell(std::string& out, const BitmapGlyph& glyph, const GlyphCell& cell) {
    const int rowBytes = state::rowByteCount(cell.width);
    for (int y = 0; y < cell.height; ++y) {
        const std::uint64_t row = cellRow(glyph, cell, y);
        for (int index = 0; index < rowBytes; ++index) {
            out += static_cast<char>(state::rowByte(row, cell.width, index));
        }
    }
}

// The cell formats hold a row in one word.
GlyphCell checkedCell(const BitmapFont& font) {
    const GlyphCell cell = glyphCell(font);
    if (cell.width > state::kMaxGlyphSide || cell.height > state::kMaxGlyphSide) {
        throw Failure(Cause::CellTooLarge,
                      {.value = std::to_string(cell.width) + " x " + std::to_string(cell.height)});
    }
    return cell;
}

}  // namespace

std::string rawGlyphs(const BitmapFont& font) {
    const GlyphCell cell = checkedCell(font);
    std::string out;
    out.reserve(font.glyphs.size() * static_cast<std::size_t>(cell.height) *
                static_cast<std::size_t>(state::rowByteCount(cell.width)));
    for (const BitmapGlyph& glyph : font.glyphs) appendCell(out, glyph, cell);
    return out;
}

std::string psf2Font(const BitmapFont& font) {
    // Characters drawn alike share one glyph, as console fonts share them.
    checkLimits(font, kPsfLimits);
    const GlyphCell cell = checkedCell(font);
    std::map<std::string, std::size_t> groupOf;
    std::vector<std::string> bitmaps;
    std::vector<std::vector<char32_t>> characters;
    for (const BitmapGlyph& glyph : font.glyphs) {
        std::string bitmap;
        appendCell(bitmap, glyph, cell);
        const auto [at, added] = groupOf.emplace(bitmap, bitmaps.size());
        if (added) {
            bitmaps.push_back(std::move(bitmap));
            characters.emplace_back();
        }
        characters[at->second].push_back(glyph.character);
    }
    const int positions = bitmaps.size() <= 256 ? 256 : kMostPsfGlyphs;
    constexpr std::size_t kFree = ~std::size_t{0};
    std::vector<std::size_t> at(static_cast<std::size_t>(positions), kFree);
    std::vector<std::size_t> elsewhere;
    for (std::size_t group = 0; group < bitmaps.size(); ++group) {
        const char32_t first = characters[group].front();
        if (first < static_cast<char32_t>(positions) && at[first] == kFree) {
            at[first] = group;
        } else {
            elsewhere.push_back(group);
        }
    }
    auto next = elsewhere.begin();
    for (std::size_t& position : at) {
        if (position == kFree && next != elsewhere.end()) position = *next++;
    }
    const auto glyphBytes =
        static_cast<std::uint32_t>(cell.height * state::rowByteCount(cell.width));
    std::string psf(kPsf2Mark);
    for (const std::uint32_t field :
         {0u, std::uint32_t{kPsf2HeaderBytes}, std::uint32_t{kPsf2HasUnicodeTable},
          static_cast<std::uint32_t>(positions), glyphBytes,
          static_cast<std::uint32_t>(cell.height), static_cast<std::uint32_t>(cell.width)}) {
        appendPsfWord(psf, field);
    }
    const std::string blank(glyphBytes, '\0');
    for (const std::size_t group : at) psf += group == kFree ? blank : bitmaps[group];
    for (const std::size_t group : at) {
        if (group != kFree) {
            for (const char32_t character : characters[group]) psf += state::utf8Bytes(character);
        }
        psf += static_cast<char>(kPsf2Separator);
    }
    return psf;
}

std::string sheetPng(const BitmapFont& font, int scale) {
    const GlyphCell cell = checkedCell(font);
    const auto glyphs = static_cast<long long>(font.glyphs.size());
    const long long rows =
        std::max((glyphs + pictures::kSheetColumns - 1) / pictures::kSheetColumns, 1LL);
    const long long width =
        pictures::kSheetColumns * (cell.width + pictures::kSheetGap) + pictures::kSheetGap;
    const long long height = rows * (cell.height + pictures::kSheetGap) + pictures::kSheetGap;
    if (width * height * scale * scale > kMostSheetPixels) {
        throw Failure(Cause::PngTooLarge, {.value = std::to_string(width * scale) + " x " +
                                                    std::to_string(height * scale)});
    }
    const pictures::DisplayLook& look = pictures::paperLook();
    pictures::DotCanvas canvas(static_cast<int>(width), static_cast<int>(height), scale, look);
    // The canvas starts as the ground, which paper's unlit dots are.
    const bool unlitShow = look.unlit != look.ground || look.glow != look.ground;
    for (long long i = 0; i < glyphs; ++i) {
        const BitmapGlyph& glyph = font.glyphs[static_cast<std::size_t>(i)];
        const long long left =
            pictures::kSheetGap + i % pictures::kSheetColumns * (cell.width + pictures::kSheetGap);
        const long long top =
            pictures::kSheetGap + i / pictures::kSheetColumns * (cell.height + pictures::kSheetGap);
        for (int y = 0; y < cell.height; ++y) {
            const std::uint64_t row = cellRow(glyph, cell, y);
            for (int x = 0; x < cell.width; ++x) {
                const bool lit = row >> x & 1;
                if (lit || unlitShow) {
                    canvas.drawDot(static_cast<int>(left + x), static_cast<int>(top + y), lit);
                }
            }
        }
    }
    return encodedPng(canvas);
}

}  // namespace fontedit::formats
