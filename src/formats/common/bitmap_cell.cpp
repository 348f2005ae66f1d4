#include "formats/common/bitmap_cell.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "formats/c/c_text.h"
#include "formats/common/font_bytes.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::formats {

TrimmedBox trimmedBox(const state::BitmapGlyph& glyph) {
    int left = glyph.width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < glyph.height && y < static_cast<int>(glyph.rows.size()); ++y) {
        std::uint64_t row = glyph.rows[static_cast<std::size_t>(y)];
        if (glyph.width < 64) row &= (std::uint64_t{1} << glyph.width) - 1;
        if (row == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        left = std::min(left, std::countr_zero(row));
        right = std::max(right, 63 - std::countl_zero(row));
    }
    if (top < 0) return {};
    return {.left = left, .top = top, .width = right - left + 1, .height = bottom - top + 1};
}

std::vector<std::uint8_t> msbFirstBits(const state::BitmapGlyph& glyph, const TrimmedBox& box) {
    std::vector<std::uint8_t> bytes;
    int bit = 0;
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x, ++bit) {
            if (bit % 8 == 0) bytes.push_back(0);
            if (glyph.dot(box.left + x, box.top + y)) {
                bytes.back() = static_cast<std::uint8_t>(bytes.back() | 0x80 >> bit % 8);
            }
        }
    }
    return bytes;
}

state::BitmapFont classicBitmapFont(const state::FontData& data, int first) {
    state::BitmapFont font{
        .ascent = state::kGlyphRows - 1, .descent = 1, .glyphs = {}, .family = {}};
    font.glyphs.reserve(state::kSavedCodes);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        state::BitmapGlyph glyph = state::blankGlyph(static_cast<char32_t>(first + code),
                                                     state::kGlyphColumns, state::kGlyphRows);
        glyph.name = data.labels[static_cast<std::size_t>(code)];
        glyph.advance = kClassicAdvance;
        glyph.bottom = -font.descent;
        const state::GlyphBytes columns = glyphBytes(data, code);
        for (int x = 0; x < state::kGlyphColumns; ++x) {
            for (int y = 0; y < state::kGlyphRows; ++y) glyph.setDot(x, y, dotLit(columns[x], y));
        }
        font.glyphs.push_back(std::move(glyph));
    }
    return font;
}

bool monospaced(const state::BitmapFont& font) {
    return std::all_of(font.glyphs.begin(), font.glyphs.end(), [&](const state::BitmapGlyph& g) {
        return g.advance == font.glyphs.front().advance;
    });
}

std::string codePointText(char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
    return text;
}

std::string cellText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

namespace {

struct Problem {
    state::Cause cause;
    state::Facts facts;
};

// How many glyphs draw differently: glyphs of the same lit dots at the same place from the
// origin draw alike in any cell, whatever their boxes.
std::size_t drawingCount(const state::BitmapFont& font) {
    std::unordered_set<std::string> drawings;
    for (const state::BitmapGlyph& glyph : font.glyphs) {
        const TrimmedBox box = trimmedBox(glyph);
        std::string key;
        if (!box.empty()) {
            for (const int field :
                 {glyph.left + box.left, box.bottom(glyph), box.width, box.height}) {
                key += std::to_string(field) + ',';
            }
            const std::vector<std::uint8_t> bits = msbFirstBits(glyph, box);
            key.append(bits.begin(), bits.end());
        }
        drawings.insert(std::move(key));
    }
    return drawings.size();
}

std::optional<Problem> problem(const state::BitmapFont& font, const FontCell& cell,
                               const FormatLimits& limits) {
    // On the classic cell, glyphs standing elsewhere on the baseline need the box that holds
    // both them and the cell.
    FontCell held = cell;
    if (limits.classicCell) {
        const int left = std::min(cell.left, 0), bottom = std::min(cell.bottom, -1);
        held = {.left = left,
                .bottom = bottom,
                .width = std::max(cell.left + cell.width, state::kGlyphColumns) - left,
                .height = std::max(cell.top(), state::kGlyphRows - 1) - bottom};
    }
    if ((limits.widest > 0 && held.width > limits.widest) ||
        (limits.highest > 0 && held.height > limits.highest)) {
        // A side the format does not bound is shown at the model's largest.
        return Problem{
            state::Cause::CellPastFormat,
            {.value = cellText(held.width, held.height),
             .needed = cellText(limits.widest > 0 ? limits.widest : state::kMaxGlyphSide,
                                limits.highest > 0 ? limits.highest : state::kMaxGlyphSide)}};
    }
    if (font.glyphs.size() > limits.mostGlyphs) {
        return Problem{state::Cause::TooManyGlyphs,
                       {.code = static_cast<int>(font.glyphs.size()),
                        .value = std::to_string(limits.mostGlyphs)}};
    }
    if (limits.mostBitBytes > 0) {
        std::size_t bytes = 0;
        for (const state::BitmapGlyph& glyph : font.glyphs) {
            bytes += msbFirstByteCount(trimmedBox(glyph));
        }
        if (bytes > limits.mostBitBytes) {
            return Problem{
                state::Cause::BitmapPastOffsets,
                {.code = static_cast<int>(bytes), .value = std::to_string(limits.mostBitBytes)}};
        }
    }
    if (limits.mostDrawings > 0) {
        const std::size_t count = drawingCount(font);
        if (count > limits.mostDrawings) {
            return Problem{
                state::Cause::TooManyForFormat,
                {.code = static_cast<int>(count), .value = std::to_string(limits.mostDrawings)}};
        }
    }
    if (!font.glyphs.empty() && font.glyphs.back().character > limits.lastCharacter) {
        return Problem{state::Cause::CharacterNotHeld,
                       {.value = codePointText(font.glyphs.back().character),
                        .needed = codePointText(limits.lastCharacter)}};
    }
    return std::nullopt;
}

}  // namespace

bool holds(const FormatLimits& limits, const state::BitmapFont& font) {
    return !problem(font, fontCell(font), limits);
}

void checkLimits(const state::BitmapFont& font, const FormatLimits& limits) {
    std::optional<Problem> found = problem(font, fontCell(font), limits);
    if (!found) return;
    found->facts.takers = formatsTaking(font);
    throw state::Failure(found->cause, std::move(found->facts));
}

void checkField(const state::BitmapGlyph& glyph, std::string_view field, int value, int least,
                int most) {
    if (value >= least && value <= most) return;
    throw state::Failure(
        state::Cause::GlyphFieldPastFormat,
        {.code = value, .value = codePointText(glyph.character), .needed = std::string(field)});
}

std::string fontSummary(const state::BitmapFont& font) {
    const FontCell cell = fontCell(font);
    const std::string count = std::to_string(font.glyphs.size()) + " glyphs";
    if (!monospaced(font)) {
        return "A proportional font of " + count + ", " + std::to_string(cell.height) +
               " dots high";
    }
    return "A " + std::to_string(cell.width) + " x " + std::to_string(cell.height) + " font of " +
           count;
}

bool oneRun(const state::BitmapFont& font) {
    return font.glyphs.empty() ||
           font.glyphs.back().character - font.glyphs.front().character == font.glyphs.size() - 1;
}

std::string characterSummary(const state::BitmapFont& font) {
    if (font.glyphs.empty()) return "no characters";
    const std::string first = codePointText(font.glyphs.front().character);
    const std::string last = codePointText(font.glyphs.back().character);
    if (oneRun(font)) return "characters " + first + "-" + last;
    return std::to_string(font.glyphs.size()) + " characters from " + first + " to " + last;
}

std::string bitmapGlyphComment(const state::BitmapGlyph& glyph) {
    return "/* " + codePointText(glyph.character) + " \"" + commentText(glyph.name) + "\" */";
}

std::string characterName(char32_t character) {
    const bool control = character < 0x20 || (character >= 0x7F && character < 0xA0);
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (control || surrogate || character > 0x10FFFF) return codePointText(character);
    return state::utf8Bytes(character);
}

}  // namespace fontedit::formats
