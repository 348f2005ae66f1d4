#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "formats/c/c_tokens.h"
#include "formats/common/bitmap_cell.h"
#include "formats/common/cell_font.h"
#include "formats/font_import.h"
#include "formats/libraries/u8g2.h"
#include "formats/marks.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// No field of a glyph is wider than a 16-bit count; wider ones are no font's.
constexpr int kWidestField = 16;
// The cell's rows lie within this many of the baseline, wherever it stands.
constexpr long long kFarthestRow = state::kGlyphRows;

[[noreturn]] void u8g2Damaged() {
    throw Failure(Cause::LibraryFontDamaged, {.value = "u8g2"});
}

// The fields of a glyph, least significant bit first, as u8g2 reads them; none past its record.
class U8g2FieldReader {
public:
    U8g2FieldReader(std::string_view bytes) : bytes_(bytes) {}
    unsigned get(int bits) {
        if (position_ + bits > bytes_.size() * 8) u8g2Damaged();
        unsigned value = 0;
        for (int bit = 0; bit < bits; ++bit, ++position_) {
            value |= (static_cast<unsigned char>(bytes_[position_ / 8]) >> position_ % 8 & 1u)
                     << bit;
        }
        return value;
    }
    // Held offset by half the field's range.
    int getSigned(int bits) {
        if (bits == 0) return 0;
        return static_cast<int>(get(bits)) - (1 << (bits - 1));
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// A box of `dots` dots from its fields read on: pairs of runs of unlit and lit dots, row after
// row, each pair repeated while the bit after it is set; `light(at, count)` takes each lit run.
template <typename Light>
void forEachLitRun(U8g2FieldReader& bits, int unlitBits, int litBits, std::size_t dots,
                   Light light) {
    std::size_t at = 0;
    do {
        const unsigned off = bits.get(unlitBits);
        const unsigned on = bits.get(litBits);
        do {
            if (at + off + on > dots) u8g2Damaged();
            at += off;
            light(at, on);
            at += on;
        } while (bits.get(1) == 1);
    } while (at < dots);
}

struct Record {
    long long encoding;
    std::string_view fields;  // past the encoding and the jump
};

// A font of 96 glyphs says which character the first draws; only such a font's are kept.
constexpr std::size_t kMostEncodingsKept = state::kSavedCodes + 1;

class U8g2Reader {
public:
    U8g2Reader(std::string_view font, const ImportOptions& options)
        : font_(font), options_(options) {}

    ImportedFont read() {
        if (font_.size() < kU8g2HeaderBytes) u8g2Damaged();
        for (int field = 2; field <= 8; ++field) {
            if (byte(field) > kWidestField) u8g2Damaged();
        }
        // Walked twice rather than held: a font of millions of records takes no memory for them.
        std::vector<long long> encodings;
        forEachRecord([&](const Record& record) {
            if (encodings.size() < kMostEncodingsKept) encodings.push_back(record.encoding);
        });
        const long long first =
            options_.first ? *options_.first : onlyRun(encodings).value_or(kDefaultFirst);
        const int boxHeight = byte(10);
        const int boxBottom = static_cast<std::int8_t>(byte(12));
        CellFont cells(options_, first, boxHeight + boxBottom, -boxBottom);
        forEachRecord([&](const Record& record) {
            cells.sawEncoding(record.encoding);
            if (!cells.wanted(record.encoding)) return;
            CellGlyph glyph{.name = glyphName(record.encoding), .encoding = record.encoding};
            draw(cells, glyph, record.fields);
            cells.place(glyph);
        });
        return cells.font("ISO10646", "1");
    }

    // The font at its own size: each glyph's box, offsets and advance as the font gives them,
    // the line the font's box.
    state::BitmapFont readBitmap() {
        if (font_.size() < kU8g2HeaderBytes) u8g2Damaged();
        for (int field = 2; field <= 8; ++field) {
            if (byte(field) > kWidestField) u8g2Damaged();
        }
        const int boxHeight = byte(10);
        const int boxBottom = static_cast<std::int8_t>(byte(12));
        state::BitmapFont font{.ascent = std::max(0, boxHeight + boxBottom),
                               .descent = std::max(0, -boxBottom),
                               .glyphs = {},
                               .family = {}};
        forEachRecord([&](const Record& record) {
            if (font.glyphs.size() == state::kMaxBitmapGlyphs) u8g2Damaged();
            if (font.find(static_cast<char32_t>(record.encoding))) u8g2Damaged();
            font.put(bitmapGlyph(record));
        });
        return font;
    }

private:
    state::BitmapGlyph bitmapGlyph(const Record& record) const {
        U8g2FieldReader bits(record.fields);
        const unsigned width = bits.get(byte(4));
        const unsigned height = bits.get(byte(5));
        const auto character = static_cast<char32_t>(record.encoding);
        if (width > state::kMaxGlyphSide || height > state::kMaxGlyphSide) {
            throw Failure(Cause::CellPastFormat,
                          {.value = cellText(static_cast<int>(width), static_cast<int>(height)),
                           .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
        }
        state::BitmapGlyph glyph =
            state::blankGlyph(character, static_cast<int>(width), static_cast<int>(height));
        glyph.name = characterName(character);
        glyph.left = bits.getSigned(byte(6));
        glyph.bottom = bits.getSigned(byte(7));
        glyph.advance = bits.getSigned(byte(8));
        if (width == 0 || height == 0) return glyph;
        forEachLitRun(bits, byte(2), byte(3), static_cast<std::size_t>(width) * height,
                      [&](std::size_t at, unsigned count) {
                          for (std::size_t dot = at; dot < at + count; ++dot) {
                              glyph.setDot(static_cast<int>(dot % width),
                                           static_cast<int>(dot / width), true);
                          }
                      });
        return glyph;
    }

    int byte(std::size_t at) const { return static_cast<unsigned char>(font_[at]); }
    std::size_t word(std::size_t at) const {
        if (at + 2 > font_.size()) u8g2Damaged();
        return static_cast<std::size_t>(byte(at)) << 8 | byte(at + 1);
    }

    static std::string glyphName(long long encoding) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04llX", encoding);
        return name;
    }

    // Characters up to 0xFF, each with a one-byte code, end at a jump of 0; the others follow
    // the table their offset leads to, each with a two-byte code, and end at code 0.
    template <typename Visit>
    void forEachRecord(Visit visit) const {
        std::size_t at = kU8g2HeaderBytes;
        for (;;) {
            if (at + 2 > font_.size()) u8g2Damaged();
            const std::size_t jump = byte(at + 1);
            if (jump == 0) break;
            visit(record(at, 2, jump, byte(at)));
            at += jump;
        }
        const std::size_t table = word(21);
        if (table == 0) return;
        at = kU8g2HeaderBytes + table + word(kU8g2HeaderBytes + table);
        for (;;) {
            const std::size_t encoding = word(at);
            if (encoding == 0) break;
            if (at + 3 > font_.size()) u8g2Damaged();
            const std::size_t jump = byte(at + 2);
            visit(record(at, 3, jump, static_cast<long long>(encoding)));
            at += jump;
        }
    }

    Record record(std::size_t at, std::size_t opening, std::size_t jump, long long encoding) const {
        if (jump < opening || at + jump > font_.size()) u8g2Damaged();
        return {encoding, font_.substr(at + opening, jump - opening)};
    }

    void draw(const CellFont& cells, CellGlyph& glyph, std::string_view fields) const {
        U8g2FieldReader bits(fields);
        const unsigned width = bits.get(byte(4));
        const unsigned height = bits.get(byte(5));
        const int left = bits.getSigned(byte(6));
        const int bottom = bits.getSigned(byte(7));
        bits.getSigned(byte(8));
        if (width == 0 || height == 0) return;
        forEachLitRun(bits, byte(2), byte(3), static_cast<std::size_t>(width) * height,
                      [&](std::size_t at, unsigned count) {
                          lightRun(cells, glyph, at, count, width, left,
                                   bottom + static_cast<int>(height) - 1);
                      });
    }

    // Dots `at` to `at` + `count` of the box, row after row; `top` is the height of its first
    // row above the baseline. Rows far from the baseline are outside any cell and are not
    // walked, so that a long run costs no more than a short one.
    static void lightRun(const CellFont& cells, CellGlyph& glyph, std::size_t at, std::size_t count,
                         unsigned width, int left, int top) {
        if (count == 0) return;
        const auto firstRow = static_cast<long long>(at / width);
        const auto lastRow = static_cast<long long>((at + count - 1) / width);
        const long long from = std::max(firstRow, static_cast<long long>(top) - kFarthestRow);
        const long long to = std::min(lastRow, static_cast<long long>(top) + kFarthestRow);
        if (from > firstRow || to < lastRow) glyph.outside = true;
        for (long long row = from; row <= to; ++row) {
            const long long start = row == firstRow ? static_cast<long long>(at % width) : 0;
            const long long end =
                row == lastRow ? static_cast<long long>((at + count - 1) % width) + 1 : width;
            const long long y = top - row;
            const long long x0 = left + start, x1 = left + end;
            if (!cells.holdsRow(y) || x0 < 0 || x1 > state::kGlyphColumns) glyph.outside = true;
            if (!cells.holdsRow(y)) continue;
            for (long long x = std::max(x0, 0LL); x < std::min<long long>(x1, 5); ++x) {
                cells.dot(glyph, x, y);
            }
        }
    }

    std::string_view font_;
    const ImportOptions& options_;
};

}  // namespace

ImportedFont importU8g2(std::string_view source, const ImportOptions& options) {
    requireImportSize(source.size());
    const std::optional<std::string> font = markedString(cTokens(source), kU8g2Section);
    if (!font) u8g2Damaged();
    return U8g2Reader(*font, options).read();
}

state::BitmapFont u8g2BitmapImport(std::string_view source) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const std::optional<std::string> font = markedString(cTokens(source), "U8G2_FONT_SECTION");
    if (!font) u8g2Damaged();
    const ImportOptions options;
    return U8g2Reader(*font, options).readBitmap();
}

}  // namespace fontedit::formats
