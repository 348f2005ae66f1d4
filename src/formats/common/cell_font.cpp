#include "formats/common/cell_font.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <iterator>

#include "formats/common/imported_glyphs.h"
#include "formats/x11/glyph_names.h"
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

Charset charsetOf(std::string_view registry, std::string_view encoding) {
    const auto is = [&registry](std::string_view name) {
        return std::ranges::equal(registry, name, [](char a, char b) {
            return std::toupper(static_cast<unsigned char>(a)) == b;
        });
    };
    if (registry.empty() || is("ISO10646") || (is("ISO8859") && encoding == "1")) {
        return Charset::Unicode;
    }
    for (const std::string_view ascii : {"ISO8859", "ISO646.1991", "ASCII", "ANSI_X3.4-1968",
                                         "KOI8", "MICROSOFT", "IBM", "JISX0201.1976"}) {
        if (is(ascii)) return Charset::Ascii;
    }
    return Charset::OwnCodes;
}

CellFont::CellFont(const ImportOptions& options, long long first, long long ascent,
                   long long descent)
    : options_(options), first_(first), ascent_(cellAscent(options, ascent, descent)) {
    kept_.reserve(state::kSavedCodes);
}

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
    if (x < 0 || x >= state::kGlyphColumns || !mayHoldRow(y)) {
        ++glyph.elsewhere;
    } else {
        ++glyph.rows[rowSlot(y)];
    }
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
    // Refused once every glyph is in, so that the refusal can tell what each cut would cost.
    if (glyph.outside && !options_.crop && !refused_) {
        refused_.emplace(Cause::GlyphTooLarge,
                         state::Facts{.line = glyph.line, .code = code, .value = glyph.name});
    }
    kept_.push_back({glyph.name, glyph.rows, glyph.elsewhere});
    cropped_ += glyph.outside;
    found_[code] = true;
    std::copy(std::begin(glyph.columns), std::end(glyph.columns), columns_[code]);
    names_[code] = glyph.name;
}

// The dots each baseline loses, the font's own first where others lose as many.
void CellFont::refuse() const {
    const int own = ascent_ - 1;
    const auto lostAt = [](const Kept& glyph, int baseline) {
        long long lost = glyph.elsewhere;
        for (long long y = 1 - state::kGlyphRows; y < state::kGlyphRows; ++y) {
            if (y > baseline || y < baseline - (state::kGlyphRows - 1)) {
                lost += glyph.rows[rowSlot(y)];
            }
        }
        return lost;
    };
    const auto totalAt = [&](int baseline) {
        long long total = 0;
        for (const Kept& glyph : kept_) total += lostAt(glyph, baseline);
        return total;
    };
    int best = own;
    if (!baselineKept_) {
        for (int baseline = 0; baseline < state::kGlyphRows; ++baseline) {
            if (totalAt(baseline) < totalAt(best)) best = baseline;
        }
    }
    Failure failure = *refused_;
    failure.facts().dots = static_cast<int>(std::min<long long>(totalAt(best), INT_MAX));
    if (best != own) failure.facts().baseline = best;
    for (const Kept& glyph : kept_) {
        if (lostAt(glyph, best) > 0) {
            failure.facts().names.push_back(glyph.name);
        }
    }
    throw failure;
}

ImportedFont CellFont::font(std::string_view registry, std::string_view encoding,
                            bool encodings) const {
    const Charset charset = charsetOf(registry, encoding);
    if (found_.none() && lowest_) {
        throw Failure(Cause::EncodingsElsewhere,
                      {.code = static_cast<int>(first_),
                       .value = std::to_string(*lowest_) + "-" + std::to_string(highest_)});
    }
    if (found_.none()) throw Failure(Cause::NoGlyphInRange, {.value = std::to_string(first_)});
    if (refused_) refuse();
    ImportedFont font;
    if (charset == Charset::OwnCodes) {
        font.notes.push_back({.kind = ImportNote::Kind::OwnCharset,
                              .name = std::string(registry) + "-" + std::string(encoding)});
    }
    if (cropped_ > 0)
        font.notes.push_back({.kind = ImportNote::Kind::GlyphsCropped, .count = cropped_});
    for (int code = 0; code < state::kSavedCodes; ++code) {
        setGlyph(font.data, code, columns_[code]);
        if (!found_[code]) {
            font.notes.push_back({.kind = encodings ? ImportNote::Kind::EncodingMissing
                                                    : ImportNote::Kind::CharacterMissing,
                                  .code = static_cast<int>(first_ + code)});
        }
        const long long character = first_ + code;
        if (charset == Charset::OwnCodes) {
            const std::optional<char32_t> named = glyphNameCharacter(names_[code]);
            font.data.labels[code] = named ? labelForCode(*named) : "";
        } else {
            font.data.labels[code] =
                character < 0x80 || charset == Charset::Unicode ? labelForCode(character) : "";
        }
    }
    return font;
}

}  // namespace fontedit::formats
