#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "formats/common/bitmap_readers.h"
#include "formats/common/cell_font.h"
#include "formats/console/psf_export.h"
#include "formats/font_import.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr std::size_t kPsf1HeaderBytes = 4;
constexpr unsigned kPsf1Has512 = 0x01;
constexpr unsigned kPsf1HasTable = 0x06;  // a table of characters, or of sequences too
constexpr unsigned kPsf1Separator = 0xFFFF;
constexpr unsigned kPsf1StartSequence = 0xFFFE;

[[noreturn]] void malformed(const char* part) {
    throw Failure(Cause::PsfMalformed, {.value = part});
}

struct PsfLayout {
    bool psf1 = false;
    std::uint64_t glyphs = 0, glyphBytes = 0, rowBytes = 0, height = 0, width = 0;
    std::uint64_t bitmaps = 0;  // where the first glyph starts
    bool hasTable = false;
    std::uint64_t tableStart() const { return bitmaps + glyphs * glyphBytes; }
};

std::uint64_t word(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

PsfLayout layoutOf(std::string_view bytes) {
    PsfLayout psf;
    if (bytes.starts_with(kPsf2Mark)) {
        if (bytes.size() < kPsf2HeaderBytes) malformed("header");
        if (word(bytes, 4) != 0) malformed("version");
        psf.bitmaps = word(bytes, 8);
        psf.hasTable = (word(bytes, 12) & kPsf2HasUnicodeTable) != 0;
        psf.glyphs = word(bytes, 16);
        psf.glyphBytes = word(bytes, 20);
        psf.height = word(bytes, 24);
        psf.width = word(bytes, 28);
        if (psf.bitmaps < kPsf2HeaderBytes || psf.bitmaps > bytes.size()) malformed("header size");
    } else if (bytes.starts_with(kPsf1Mark)) {
        if (bytes.size() < kPsf1HeaderBytes) malformed("header");
        const unsigned mode = static_cast<std::uint8_t>(bytes[2]);
        psf = {.psf1 = true,
               .glyphs = mode & kPsf1Has512 ? 512u : 256u,
               .glyphBytes = static_cast<std::uint8_t>(bytes[3]),
               .height = static_cast<std::uint8_t>(bytes[3]),
               .width = 8,
               .bitmaps = kPsf1HeaderBytes,
               .hasTable = (mode & kPsf1HasTable) != 0};
    } else {
        throw Failure(Cause::NotPsf, {});
    }
    psf.rowBytes = (psf.width + 7) / 8;
    if (psf.height == 0 || psf.width == 0 || psf.glyphBytes != psf.height * psf.rowBytes) {
        malformed("glyph size");
    }
    if (psf.glyphs == 0 || psf.glyphs > (bytes.size() - psf.bitmaps) / psf.glyphBytes) {
        malformed("glyph count");
    }
    return psf;
}

// The glyph of each of 96 characters, if the font has one.
using ListedGlyphs = std::array<std::optional<std::uint64_t>, state::kSavedCodes>;

// The characters each glyph draws: every code point listed before its sequences, if any.
// Walked for what the import asks rather than held: a table lists as many characters as it
// has bytes, and the import needs only their ends and 96 of them.
class UnicodeTable {
public:
    // Walks the table once, failing on one cut short, for its ends and the glyphs of the 96
    // characters from `first`.
    UnicodeTable(std::string_view bytes, const PsfLayout& psf, long long first)
        : bytes_(bytes), psf_(psf) {
        forEach([&](unsigned character, std::uint64_t glyph) {
            lowest_ = std::min(lowest_, character);
            highest_ = std::max(highest_, character);
            take(glyphs_, first, character, glyph);
        });
    }

    std::optional<unsigned> lowest() const {
        return lowest_ == kEnd ? std::nullopt : std::optional(lowest_);
    }
    unsigned highest() const { return highest_; }
    const ListedGlyphs& glyphs() const { return glyphs_; }

    // Every character the table lists for a glyph of its own, with that glyph.
    template <typename Visit>
    void forEachCharacter(Visit visit) const {
        forEach(visit);
    }

    // Walks it again for the 96 characters from another first.
    ListedGlyphs glyphsFrom(long long first) const {
        ListedGlyphs glyphs;
        forEach([&](unsigned character, std::uint64_t glyph) {
            take(glyphs, first, character, glyph);
        });
        return glyphs;
    }

private:
    // Past every character: a glyph's end, the start of a sequence, and bytes that make no
    // UTF-8 character. The walk tests every byte: plain values, not optionals, keep it cheap.
    static constexpr unsigned kEnd = 0x110000;
    static constexpr unsigned kSequence = 0x110001;
    static constexpr unsigned kNoCharacter = 0x110002;

    static unsigned psf1Unit(std::string_view bytes, std::size_t& at) {
        if (bytes.size() - at < 2) malformed("Unicode table");
        const unsigned unit =
            static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
        at += 2;
        return unit == kPsf1Separator ? kEnd : unit == kPsf1StartSequence ? kSequence : unit;
    }

    // One UTF-8 character as its bits spell it, or a mark.
    static unsigned psf2Unit(std::string_view bytes, std::size_t& at) {
        if (at >= bytes.size()) malformed("Unicode table");
        const unsigned lead = static_cast<std::uint8_t>(bytes[at]);
        if (lead == kPsf2Separator || lead == kPsf2StartSequence) {
            ++at;
            return lead == kPsf2Separator ? kEnd : kSequence;
        }
        const state::Utf8Sequence sequence = state::utf8Sequence(bytes.substr(at));
        at += sequence.length;
        // Past U+10FFFF bits spell no character, and would read as one of the marks.
        return sequence.formed && sequence.codePoint < kEnd ? sequence.codePoint : kNoCharacter;
    }

    // A character listed for two glyphs is drawn with the first.
    static void take(ListedGlyphs& glyphs, long long first, unsigned character,
                     std::uint64_t glyph) {
        const long long code = character - first;
        if (code >= 0 && code < state::kSavedCodes && !glyphs[code]) glyphs[code] = glyph;
    }

    template <typename Visit>
    void forEach(Visit visit) const {
        std::size_t at = psf_.tableStart();
        for (std::uint64_t glyph = 0; glyph < psf_.glyphs; ++glyph) {
            bool inSequence = false;
            for (;;) {
                const unsigned unit = psf_.psf1 ? psf1Unit(bytes_, at) : psf2Unit(bytes_, at);
                if (unit < kEnd) {
                    if (!inSequence) visit(unit, glyph);
                } else if (unit == kEnd) {
                    break;
                } else if (unit == kSequence) {
                    inSequence = true;
                }
            }
        }
    }

    std::string_view bytes_;
    const PsfLayout& psf_;
    unsigned lowest_ = kEnd;  // none while the table lists no character
    unsigned highest_ = 0;
    ListedGlyphs glyphs_;
};

// The glyph's dots from the cell's top left; one past five columns or eight rows is outside.
CellGlyph cellGlyph(std::string_view bytes, const PsfLayout& psf, std::uint64_t glyph,
                    const CellFont& cells) {
    CellGlyph cell;
    const std::string_view rows =
        bytes.substr(psf.bitmaps + glyph * psf.glyphBytes, psf.glyphBytes);
    for (std::uint64_t row = 0; row < psf.height; ++row) {
        for (std::uint64_t byte = 0; byte < psf.rowBytes; ++byte) {
            const unsigned bits = static_cast<std::uint8_t>(rows[row * psf.rowBytes + byte]);
            for (unsigned bit = 0; bits != 0 && bit < 8; ++bit) {
                const std::uint64_t x = byte * 8 + bit;
                // Bits past the width fill the row out to whole bytes; they are no dots.
                if (x < psf.width && (bits & 0x80u >> bit)) {
                    const long long rowsBelowTop = static_cast<long long>(row);
                    cells.dot(cell, static_cast<long long>(x),
                              state::kGlyphRows - 1 - rowsBelowTop);
                }
            }
        }
    }
    return cell;
}

}  // namespace

bool isPsf(std::string_view bytes) {
    return bytes.starts_with(kPsf2Mark) || bytes.starts_with(kPsf1Mark);
}

state::BitmapFont readPsf(std::string_view bytes) {
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const PsfLayout psf = layoutOf(bytes);
    if (psf.width > state::kMaxGlyphSide || psf.height > state::kMaxGlyphSide) {
        throw Failure(Cause::FontGlyphTooLarge, {.code = 0});
    }
    state::BitmapFont font;
    // A console font says nothing of a baseline: its glyphs stand on the line's bottom.
    font.ascent = static_cast<int>(psf.height);
    const auto glyphAt = [&](char32_t character, std::uint64_t index) {
        state::BitmapGlyph glyph =
            state::blankGlyph(character, static_cast<int>(psf.width), static_cast<int>(psf.height));
        const std::string_view rows =
            bytes.substr(psf.bitmaps + index * psf.glyphBytes, psf.glyphBytes);
        for (std::uint64_t row = 0; row < psf.height; ++row) {
            for (std::uint64_t x = 0; x < psf.width; ++x) {
                const auto byte = static_cast<std::uint8_t>(rows[row * psf.rowBytes + x / 8]);
                if (byte & 0x80u >> x % 8) glyph.rows[row] |= std::uint64_t{1} << x;
            }
        }
        return glyph;
    };
    if (!psf.hasTable) {
        if (psf.glyphs > state::kMaxBitmapGlyphs) throw Failure(Cause::FontTooManyGlyphs, {});
        for (std::uint64_t index = 0; index < psf.glyphs; ++index) {
            font.glyphs.push_back(glyphAt(static_cast<char32_t>(index), index));
        }
        return font;
    }
    std::map<char32_t, std::uint64_t> listed;  // a character listed twice keeps its first glyph
    UnicodeTable(bytes, psf, 0).forEachCharacter([&](unsigned character, std::uint64_t glyph) {
        listed.emplace(character, glyph);
    });
    if (listed.size() > state::kMaxBitmapGlyphs) throw Failure(Cause::FontTooManyGlyphs, {});
    font.glyphs.reserve(listed.size());
    for (const auto& [character, index] : listed) font.glyphs.push_back(glyphAt(character, index));
    return font;
}

ImportedFont importPsf(std::string_view bytes, const ImportOptions& options) {
    requireImportSize(bytes.size());
    const PsfLayout psf = layoutOf(bytes);
    long long first = options.first.value_or(kDefaultFirst);
    std::optional<UnicodeTable> table;
    if (psf.hasTable) table.emplace(bytes, psf, first);
    ListedGlyphs listed = table ? table->glyphs() : ListedGlyphs{};
    // The table's characters are the only run when they are 96 from the lowest, each there.
    if (table && !options.first && table->lowest() && *table->lowest() != first &&
        table->highest() - *table->lowest() == state::kSavedCodes - 1) {
        const ListedGlyphs run = table->glyphsFrom(*table->lowest());
        if (std::all_of(run.begin(), run.end(),
                        [](const auto& glyph) { return glyph.has_value(); })) {
            first = *table->lowest();
            listed = run;
        }
    }
    // Console glyphs hang from the top of their cell; the cell's top row takes their first.
    ImportOptions fromTheTop = options;
    fromTheTop.baseline = state::kGlyphRows - 1;
    CellFont cells(fromTheTop, first, 0, 0);
    cells.keepBaseline();
    if (table && table->lowest()) {
        cells.sawEncoding(*table->lowest());
        cells.sawEncoding(table->highest());
    } else if (!table) {
        cells.sawEncoding(0);
        cells.sawEncoding(static_cast<long long>(psf.glyphs) - 1);
    }
    for (long long character = first; character < first + state::kSavedCodes; ++character) {
        const std::optional<std::uint64_t> glyph =
            table ? listed[character - first]
            : character >= 0 && character < static_cast<long long>(psf.glyphs)
                ? std::optional(static_cast<std::uint64_t>(character))
                : std::nullopt;
        if (!glyph) continue;
        // A glyph two characters share is read twice: 96 glyphs of 64 x 64 dots at most.
        CellGlyph cell = cellGlyph(bytes, psf, *glyph, cells);
        char name[16];
        std::snprintf(name, sizeof name, "U+%04llX", character);
        cell.name = name;
        cell.encoding = character;
        cells.place(cell);
    }
    // Without a table of its own, a console font is taken to follow ASCII.
    return table ? cells.font("ISO10646", "1", false) : cells.font("ASCII", "", false);
}

}  // namespace fontedit::formats
