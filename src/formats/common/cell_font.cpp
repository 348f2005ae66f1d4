#include "formats/common/cell_font.h"

#include <algorithm>
#include <iterator>

#include "formats/common/imported_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// The cell's baseline: dot rows 0-6 stand above it, row 7 below as a one-dot descent.
constexpr int kCellAscent = 7;

// Rows above the baseline: the cell's own unless the font, taller above or deeper below, fits
// the eight rows only with its baseline moved.
int cellAscent(const ImportOptions& options, long long ascent, long long descent) {
    if (options.baseline) return *options.baseline + 1;
    if (ascent < 0 || descent < 0 || ascent + descent > state::kGlyphRows) return kCellAscent;
    return static_cast<int>(
        std::clamp<long long>(kCellAscent, ascent, state::kGlyphRows - descent));
}

}  // namespace

std::optional<long long> onlyRun(std::vector<long long> encodings) {
    std::sort(encodings.begin(), encodings.end());
    if (encodings.size() != state::kSavedCodes ||
        std::adjacent_find(encodings.begin(), encodings.end()) != encodings.end() ||
        encodings.back() - encodings.front() != state::kSavedCodes - 1) {
        return std::nullopt;
    }
    return encodings.front();
}

long long firstTaken(const ImportOptions& options, long long first, long long last) {
    if (options.first) return *options.first;
    const bool holdsSpace = first <= kDefaultFirst && kDefaultFirst <= last;
    return last - first + 1 == state::kSavedCodes || !holdsSpace ? first : kDefaultFirst;
}

bool unicodeCharset(std::string_view registry, std::string_view encoding) {
    return registry.empty() || registry == "ISO10646" || (registry == "ISO8859" && encoding == "1");
}

CellFont::CellFont(const ImportOptions& options, long long first, long long ascent,
                   long long descent)
    : options_(options), first_(first), ascent_(cellAscent(options, ascent, descent)) {}

void CellFont::sawEncoding(long long encoding) {
    if (encoding < 0) return;
    lowest_ = std::min(lowest_.value_or(encoding), encoding);
    highest_ = std::max(highest_, encoding);
}

bool CellFont::wanted(long long encoding) const {
    return encoding >= first_ && encoding < first_ + state::kSavedCodes;
}

bool CellFont::holdsRow(long long y) const {
    const long long row = ascent_ - 1 - y;
    return row >= 0 && row < state::kGlyphRows;
}

void CellFont::dot(CellGlyph& glyph, long long x, long long y) const {
    const long long row = ascent_ - 1 - y;
    if (x < 0 || x >= state::kGlyphColumns || row < 0 || row >= state::kGlyphRows) {
        glyph.outside = true;
    } else {
        glyph.columns[x] |= 1 << row;
    }
}

void CellFont::place(const CellGlyph& glyph) {
    const int code = static_cast<int>(glyph.encoding - first_);
    if (found_[code]) {
        throw Failure(Cause::DuplicateEncoding,
                      {.line = glyph.line, .code = code, .value = glyph.name});
    }
    if (glyph.outside && !options_.crop) {
        throw Failure(Cause::GlyphTooLarge,
                      {.line = glyph.line, .code = code, .value = glyph.name});
    }
    cropped_ += glyph.outside;
    found_[code] = true;
    std::copy(std::begin(glyph.columns), std::end(glyph.columns), columns_[code]);
}

ImportedFont CellFont::font(bool unicode) const {
    if (found_.none() && lowest_) {
        throw Failure(Cause::EncodingsElsewhere,
                      {.code = static_cast<int>(first_),
                       .value = std::to_string(*lowest_) + "-" + std::to_string(highest_)});
    }
    if (found_.none()) throw Failure(Cause::NoGlyphInRange, {.value = std::to_string(first_)});
    ImportedFont font;
    if (cropped_ > 0)
        font.notes.push_back({.kind = ImportNote::Kind::GlyphsCropped, .count = cropped_});
    for (int code = 0; code < state::kSavedCodes; ++code) {
        setGlyph(font.data, code, columns_[code]);
        if (!found_[code]) {
            font.notes.push_back({.kind = ImportNote::Kind::EncodingMissing,
                                  .code = static_cast<int>(first_ + code)});
        }
        const long long character = first_ + code;
        font.data.labels[code] = character < 0x80 || unicode ? labelForCode(character) : "";
    }
    return font;
}

}  // namespace fontedit::formats
