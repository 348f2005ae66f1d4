#include "formats/bitmap_writers.h"

#include <algorithm>
#include <map>
#include <vector>

#include "formats/bdf_document.h"
#include "formats/dot_canvas.h"
#include "formats/png_render.h"
#include "formats/psf_export.h"
#include "formats/sheet_grid.h"
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

// Whether the dot in column x, row y of the cell (both from its top left) is lit.
bool cellDot(const BitmapGlyph& glyph, const GlyphCell& cell, int x, int y) {
    const int dotX = x - cell.originX - glyph.left;
    const int dotY = (cell.ascent - 1 - y) - glyph.bottom;  // rows up from the box's bottom
    return glyph.dot(dotX, glyph.height - 1 - dotY);
}

void appendCell(std::string& out, const BitmapGlyph& glyph, const GlyphCell& cell) {
    const int rowBytes = state::rowByteCount(cell.width);
    for (int y = 0; y < cell.height; ++y) {
        std::uint64_t row = 0;
        for (int x = 0; x < cell.width; ++x) {
            if (cellDot(glyph, cell, x, y)) row |= std::uint64_t{1} << x;
        }
        for (int index = 0; index < rowBytes; ++index) {
            out += static_cast<char>(state::rowByte(row, cell.width, index));
        }
    }
}

void appendWord(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift & 0xFF);
}

}  // namespace

std::string rawGlyphs(const BitmapFont& font) {
    const GlyphCell cell = glyphCell(font);
    std::string out;
    out.reserve(font.glyphs.size() * static_cast<std::size_t>(cell.height) *
                static_cast<std::size_t>(state::rowByteCount(cell.width)));
    for (const BitmapGlyph& glyph : font.glyphs) appendCell(out, glyph, cell);
    return out;
}

std::string psf2Font(const BitmapFont& font) {
    // Characters drawn alike share one glyph, as console fonts share them.
    const GlyphCell cell = glyphCell(font);
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
    const auto count = static_cast<int>(bitmaps.size());
    if (count > kMostPsfGlyphs) {
        throw Failure(Cause::TooManyForFormat,
                      {.code = count, .value = std::to_string(kMostPsfGlyphs)});
    }
    const int positions = count <= 256 ? 256 : kMostPsfGlyphs;
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
        appendWord(psf, field);
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
    const GlyphCell cell = glyphCell(font);
    const auto glyphs = static_cast<long long>(font.glyphs.size());
    const long long rows = std::max((glyphs + kSheetColumns - 1) / kSheetColumns, 1LL);
    const long long width = kSheetColumns * (cell.width + kSheetGap) + kSheetGap;
    const long long height = rows * (cell.height + kSheetGap) + kSheetGap;
    if (width * height * scale * scale > kMostSheetPixels) {
        throw Failure(Cause::PngTooLarge, {.value = std::to_string(width * scale) + " x " +
                                                    std::to_string(height * scale)});
    }
    DotCanvas canvas(static_cast<int>(width), static_cast<int>(height), scale, paperLook());
    for (long long i = 0; i < glyphs; ++i) {
        const BitmapGlyph& glyph = font.glyphs[static_cast<std::size_t>(i)];
        const long long left = kSheetGap + i % kSheetColumns * (cell.width + kSheetGap);
        const long long top = kSheetGap + i / kSheetColumns * (cell.height + kSheetGap);
        for (int y = 0; y < cell.height; ++y) {
            for (int x = 0; x < cell.width; ++x) {
                canvas.drawDot(static_cast<int>(left + x), static_cast<int>(top + y),
                               cellDot(glyph, cell, x, y));
            }
        }
    }
    return encodedPng(canvas);
}

namespace {

constexpr std::string_view kBdfExtensions[] = {".bdf"};
constexpr std::string_view kPsfExtensions[] = {".psf"};
constexpr std::string_view kPngExtensions[] = {".png"};
constexpr std::string_view kBinExtensions[] = {".bin"};

constexpr BitmapWriter kWriters[] = {
    {"bdf", kBdfExtensions,
     [](const BitmapFont& font, const BitmapWriteSettings& settings) {
         return bdfFromBitmapFont(font, settings.name);
     }},
    {"psf", kPsfExtensions,
     [](const BitmapFont& font, const BitmapWriteSettings&) { return psf2Font(font); }},
    {"png", kPngExtensions,
     [](const BitmapFont& font, const BitmapWriteSettings& settings) {
         return sheetPng(font, settings.scale);
     }},
    {"bin", kBinExtensions,
     [](const BitmapFont& font, const BitmapWriteSettings&) { return rawGlyphs(font); }},
};

}  // namespace

std::span<const BitmapWriter> bitmapWriters() {
    return kWriters;
}

}  // namespace fontedit::formats
