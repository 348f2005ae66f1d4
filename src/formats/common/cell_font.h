#pragma once

// The glyphs of an X11 bitmap font, whether read from BDF or PCF, placed on the 5x8 cell: one
// rule for where the baseline goes, which encodings are taken, and what a dot outside the cell
// costs.
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/font_import.h"

namespace fontedit::formats {

// The encoding of glyph 0 when neither the options nor the font's run tell it.
constexpr long long kDefaultFirst = state::kFirstCharacter;

// The first of exactly 96 consecutive encodings, when the font holds those and no other.
std::optional<long long> onlyRun(std::vector<long long> encodings);

// The character of glyph 0 for a font of the run `first` to `last`, unless the options name
// it: the run's own first when it is 96 long, else the space when the run holds it.
long long firstTaken(const ImportOptions& options, long long first, long long last);

// Characters are Unicode in ISO 10646 and Latin-1 fonts; other character sets are told apart
// from ASCII only. The names as CHARSET_REGISTRY and CHARSET_ENCODING hold them, unquoted.
bool unicodeCharset(std::string_view registry, std::string_view encoding);

// One glyph being read: its dots on the cell, and whether any fell outside.
struct CellGlyph {
    std::string name{};
    int line = 0;  // of its STARTCHAR in a BDF font; 0 in a binary one
    long long encoding = 0;
    std::uint8_t columns[state::kGlyphColumns] = {};
    bool outside = false;
};

class CellFont {
public:
    // `first` is the encoding of glyph 0. The font's ascent and descent, 0 where it has none,
    // settle the cell row it stands on unless the options name one.
    CellFont(const ImportOptions& options, long long first, long long ascent, long long descent);

    // Every glyph's encoding, taken or not, for the run named when none is taken.
    void sawEncoding(long long encoding);
    bool wanted(long long encoding) const;
    // Whether the cell has a row `y` rows above the baseline.
    bool holdsRow(long long y) const;
    // The dot `x` right of the glyph's origin and `y` rows above the baseline (0: on it).
    void dot(CellGlyph& glyph, long long x, long long y) const;
    void place(const CellGlyph& glyph);
    ImportedFont font(bool unicode) const;

private:
    const ImportOptions& options_;
    long long first_;
    int ascent_;  // cell rows above the baseline
    std::optional<long long> lowest_;
    long long highest_ = 0;
    std::bitset<state::kSavedCodes> found_;
    std::uint8_t columns_[state::kSavedCodes][state::kGlyphColumns] = {};
    int cropped_ = 0;
};

}  // namespace fontedit::formats
