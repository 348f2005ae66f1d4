#pragma once

// The glyphs of an X11 bitmap font, whether read from BDF or PCF, placed on the 5x8 cell: one
// rule for where the baseline goes, which encodings are taken, and what a dot outside the cell
// costs.
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/font_import.h"
#include "state/failure.h"

namespace fontedit::formats {

// The encoding of glyph 0 when neither the options nor the font's run tell it.
constexpr long long kDefaultFirst = state::kFirstCharacter;

// The first of exactly 96 consecutive encodings, when the font holds those and no other.
std::optional<long long> onlyRun(std::vector<long long> encodings);

// The character of glyph 0 for a font of the run `first` to `last`, unless the options name
// it: the run's own first when it is 96 long, else the space when the run holds it.
long long firstTaken(const ImportOptions& options, long long first, long long last);

// Characters are Unicode in ISO 10646 and Latin-1 fonts; other ISO 8859 sets and character
// sets built on ASCII are told apart from ASCII only; in any other set, such as 3270cg or
// Adobe-FontSpecific, a code says nothing and only a glyph's name may tell its character. The
// names as CHARSET_REGISTRY and CHARSET_ENCODING hold them, unquoted.
enum class Charset { Unicode, Ascii, OwnCodes };
Charset charsetOf(std::string_view registry, std::string_view encoding);

// The dots a glyph has on each row any baseline puts in the cell, from 7 rows below the baseline
// to 7 above it: a fixed array, as a glyph is read for every import and copied when placed.
using DotsByRow = std::array<int, 2 * state::kGlyphRows - 1>;
constexpr std::size_t rowSlot(long long y) {
    return static_cast<std::size_t>(y + state::kGlyphRows - 1);
}

// One glyph being read: its dots on the cell, and whether any fell outside.
struct CellGlyph {
    std::string name{};
    int line = 0;  // of its STARTCHAR in a BDF font; 0 in a binary one
    long long encoding = 0;
    std::uint8_t columns[state::kGlyphColumns] = {};
    bool outside = false;
    // Every dot, for what another baseline would keep: those within the cell's columns and
    // the rows any baseline puts in the cell, by their height above it (at rowSlot(y)), and how
    // many lie anywhere else.
    DotsByRow rows{};
    long long elsewhere = 0;
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
    // Whether the cell has that row with its baseline on any of its rows.
    static bool mayHoldRow(long long y) { return y > -state::kGlyphRows && y < state::kGlyphRows; }
    // The dot `x` right of the glyph's origin and `y` rows above the baseline (0: on it).
    void dot(CellGlyph& glyph, long long x, long long y) const;
    void place(const CellGlyph& glyph);
    // The format puts the baseline itself, whatever --baseline says: a refusal names none.
    void keepBaseline() { baselineKept_ = true; }
    // The glyphs placed, labelled as the character set `registry`-`encoding` names their
    // codes; `encodings`: the codes are X11's ENCODINGs, else characters.
    ImportedFont font(std::string_view registry, std::string_view encoding,
                      bool encodings = true) const;

private:
    const ImportOptions& options_;
    long long first_;
    int ascent_;  // cell rows above the baseline
    std::optional<long long> lowest_;
    long long highest_ = 0;
    std::bitset<state::kSavedCodes> found_;
    std::uint8_t columns_[state::kSavedCodes][state::kGlyphColumns] = {};
    std::string names_[state::kSavedCodes];
    int cropped_ = 0;
    bool baselineKept_ = false;
    // What a refusal needs of each glyph placed; the first glyph refused.
    struct Kept {
        std::string name;
        DotsByRow rows;
        long long elsewhere = 0;
    };
    std::vector<Kept> kept_;
    std::optional<state::Failure> refused_;

    void refuse() const;
};

}  // namespace fontedit::formats
