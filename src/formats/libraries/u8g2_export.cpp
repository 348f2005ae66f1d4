#include "formats/libraries/u8g2.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "formats/common/bitmap_cell.h"
#include "formats/common/font_bytes.h"
#include "formats/marks.h"
#include "formats/tables/c_source_export.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

// Run fields of up to 8 bits are tried: a longer run is split into pairs, each repeat of which
// costs one bit.
constexpr int kWidestRunBits = 8;

// Bits a field needs to hold 0..most.
int unsignedBits(int most) {
    return std::bit_width(static_cast<unsigned>(most));
}

// Bits a field needs to hold least..most, offset by half its range as u8g2 reads it.
int signedBits(int least, int most) {
    int bits = 1;
    while (least < -(1 << (bits - 1)) || most > (1 << (bits - 1)) - 1) ++bits;
    return bits;
}

using Pair = std::pair<int, int>;  // dots off, then dots on

struct CodedGlyph {
    char32_t encoding = 0;
    TrimmedBox box{};
    int x = 0;
    int y = 0;
    int advance = 0;
    std::vector<Pair> runs{};  // the box's dots, row by row: runs of dots off and on
    // The longest runs, and how many runs repeat the one before: while no run is split, a
    // glyph's size follows from these alone.
    Pair longest{0, 0};
    int repeats = 0;
};

CodedGlyph codedGlyph(const state::BitmapGlyph& source) {
    CodedGlyph glyph{.encoding = source.character, .box = trimmedBox(source)};
    glyph.advance = source.advance;
    if (glyph.box.empty()) return glyph;
    glyph.x = source.left + glyph.box.left;
    glyph.y = glyph.box.bottom(source);
    Pair run{0, 0};
    for (int y = 0; y < glyph.box.height; ++y) {
        for (int x = 0; x < glyph.box.width; ++x) {
            const bool lit = source.dot(glyph.box.left + x, glyph.box.top + y);
            if (!lit && run.second > 0) {
                glyph.runs.push_back(run);
                run = {0, 0};
            }
            ++(lit ? run.second : run.first);
        }
    }
    glyph.runs.push_back(run);
    for (std::size_t i = 0; i < glyph.runs.size(); ++i) {
        glyph.longest = {std::max(glyph.longest.first, glyph.runs[i].first),
                         std::max(glyph.longest.second, glyph.runs[i].second)};
        if (i > 0 && glyph.runs[i] == glyph.runs[i - 1]) ++glyph.repeats;
    }
    return glyph;
}

// The pairs a glyph is written in when runs may be `most` long at most: a run too long is
// split as u8g2's converter splits it, zeros first.
template <typename Emit>
void splitRuns(const std::vector<Pair>& runs, Pair most, Emit emit) {
    for (auto [off, on] : runs) {
        for (; off > most.first; off -= most.first) emit(Pair{most.first, 0});
        for (; on > most.second; on -= most.second, off = 0) emit(Pair{off, most.second});
        if (off != 0 || on != 0) emit(Pair{off, on});
    }
}

// Each pair is followed by one bit, set when the next pair is the same: a repeat costs that
// bit alone.
int runBits(const CodedGlyph& glyph, int bits0, int bits1) {
    const Pair most{(1 << bits0) - 1, (1 << bits1) - 1};
    const int pairBits = bits0 + bits1 + 1;
    if (glyph.longest.first <= most.first && glyph.longest.second <= most.second) {
        const int runs = static_cast<int>(glyph.runs.size());
        return (runs - glyph.repeats) * pairBits + glyph.repeats;
    }
    // The pairs splitRuns gives, counted rather than listed: a long run splits into many.
    int bits = 0;
    Pair last{-1, -1};
    const auto emit = [&](Pair pair, int times) {
        bits += (pair == last ? 1 : pairBits) + (times - 1);
        last = pair;
    };
    for (auto [off, on] : glyph.runs) {
        if (off > most.first) {
            const int times = (off - 1) / most.first;
            emit({most.first, 0}, times);
            off -= times * most.first;
        }
        if (on > most.second) {
            const int times = (on - 1) / most.second;
            emit({off, most.second}, 1);
            if (times > 1) emit({0, most.second}, times - 1);
            on -= times * most.second;
            off = 0;
        }
        if (off != 0 || on != 0) emit({off, on}, 1);
    }
    return bits;
}

class BitWriter {
public:
    void put(unsigned value, int bits) {
        for (int bit = 0; bit < bits; ++bit, ++count_) {
            if (count_ % CHAR_BIT == 0) bytes_.push_back(0);
            if (value >> bit & 1)
                bytes_.back() = static_cast<char>(bytes_.back() | 1 << count_ % 8);
        }
    }
    void putSigned(int value, int bits) {
        put(static_cast<unsigned>(value + (1 << (bits - 1))), bits);
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    int count_ = 0;
};

struct Widths {
    int w = 0, h = 0, x = 1, y = 1, d = 1;
    int bits0 = 1, bits1 = 1;
    int header() const { return w + h + x + y + d; }
};

std::string glyphRecord(const CodedGlyph& glyph, const Widths& widths) {
    BitWriter bits;
    bits.put(static_cast<unsigned>(glyph.box.width), widths.w);
    bits.put(static_cast<unsigned>(glyph.box.height), widths.h);
    bits.putSigned(glyph.x, widths.x);
    bits.putSigned(glyph.y, widths.y);
    bits.putSigned(glyph.advance, widths.d);
    if (!glyph.box.empty()) {
        std::optional<Pair> last;
        splitRuns(glyph.runs, {(1 << widths.bits0) - 1, (1 << widths.bits1) - 1}, [&](Pair pair) {
            if (pair == last) {
                bits.put(1, 1);
                return;
            }
            if (last) bits.put(0, 1);
            bits.put(static_cast<unsigned>(pair.first), widths.bits0);
            bits.put(static_cast<unsigned>(pair.second), widths.bits1);
            last = pair;
        });
        bits.put(0, 1);
    }
    std::string record;
    if (glyph.encoding > 0xFF) record += static_cast<char>(glyph.encoding >> 8);
    record += static_cast<char>(glyph.encoding & 0xFF);
    const std::size_t size = record.size() + 1 + bits.bytes().size();
    if (size > kU8g2LongestRecord) {
        throw state::Failure(
            state::Cause::GlyphRecordTooLong,
            {.code = static_cast<int>(size), .value = codePointText(glyph.encoding)});
    }
    record += static_cast<char>(size);
    return record + bits.bytes();
}

Widths smallestWidths(const std::vector<CodedGlyph>& glyphs) {
    Widths widths;
    int leastX = 0, mostX = 0, leastY = 0, mostY = 0;
    int leastAdvance = glyphs.empty() ? 0 : glyphs.front().advance, mostAdvance = leastAdvance;
    for (const CodedGlyph& glyph : glyphs) {
        leastAdvance = std::min(leastAdvance, glyph.advance);
        mostAdvance = std::max(mostAdvance, glyph.advance);
        widths.w = std::max(widths.w, unsignedBits(glyph.box.width));
        widths.h = std::max(widths.h, unsignedBits(glyph.box.height));
        leastX = std::min(leastX, glyph.x);
        mostX = std::max(mostX, glyph.x);
        leastY = std::min(leastY, glyph.y);
        mostY = std::max(mostY, glyph.y);
    }
    widths.x = signedBits(leastX, mostX);
    widths.y = signedBits(leastY, mostY);
    widths.d = signedBits(leastAdvance, mostAdvance);
    long best = -1;
    for (int bits0 = 1; bits0 <= kWidestRunBits; ++bits0) {
        for (int bits1 = 1; bits1 <= kWidestRunBits; ++bits1) {
            long bytes = 0;
            for (const CodedGlyph& glyph : glyphs) {
                const int bits =
                    widths.header() + (glyph.box.empty() ? 0 : runBits(glyph, bits0, bits1));
                bytes += (bits + 7) / 8;
            }
            if (best < 0 || bytes < best) {
                best = bytes;
                widths.bits0 = bits0;
                widths.bits1 = bits1;
            }
        }
    }
    return widths;
}

void putWord(std::string& bytes, std::size_t at, std::size_t value) {
    bytes[at] = static_cast<char>(value >> 8 & 0xFF);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// Heights above the baseline of a glyph's top and bottom, as u8g2 keeps them for "A", "g"
// and "(" to place text by; 0 for one the font lacks.
std::pair<int, int> extent(const std::vector<CodedGlyph>& glyphs, char32_t encoding) {
    for (const CodedGlyph& glyph : glyphs) {
        if (glyph.encoding == encoding && !glyph.box.empty()) {
            return {glyph.y + glyph.box.height, glyph.y};
        }
    }
    return {0, 0};
}

}  // namespace

std::string u8g2BitmapData(const state::BitmapFont& font) {
    checkLimits(font, kU8g2Limits);
    std::vector<CodedGlyph> glyphs;
    glyphs.reserve(font.glyphs.size());
    for (const state::BitmapGlyph& glyph : font.glyphs) glyphs.push_back(codedGlyph(glyph));
    const Widths widths = smallestWidths(glyphs);
    const int ascentA = extent(glyphs, 'A').first;
    const int descentG = extent(glyphs, 'g').second;
    const auto [ascentParen, descentParen] = extent(glyphs, '(');
    const FontCell cell = fontCell(font);
    std::string data = {
        static_cast<char>(glyphs.size()), 0, static_cast<char>(widths.bits0),
        static_cast<char>(widths.bits1), static_cast<char>(widths.w), static_cast<char>(widths.h),
        static_cast<char>(widths.x), static_cast<char>(widths.y), static_cast<char>(widths.d),
        // The box every glyph fits in, its bottom against the baseline.
        static_cast<char>(cell.width), static_cast<char>(cell.height), static_cast<char>(cell.left),
        static_cast<char>(cell.bottom), static_cast<char>(ascentA), static_cast<char>(descentG),
        static_cast<char>(ascentParen), static_cast<char>(descentParen), 0, 0, 0, 0, 0, 0};
    std::string wide;
    for (const CodedGlyph& glyph : glyphs) {
        const std::string record = glyphRecord(glyph, widths);
        if (glyph.encoding > 0xFF) {
            wide += record;
            continue;
        }
        if (glyph.encoding == 'A') putWord(data, 17, data.size() - kU8g2HeaderBytes);
        if (glyph.encoding == 'a') putWord(data, 19, data.size() - kU8g2HeaderBytes);
        data += record;
    }
    data += std::string(2, '\0');
    putWord(data, 21, data.size() - kU8g2HeaderBytes);
    // One entry for the characters above 0xFF: they start past it, and it reaches to 0xFFFF.
    data += std::string("\0\4\377\377", 4);
    return data + wide + std::string(2, '\0');
}

std::string u8g2BitmapExport(const state::BitmapFont& font, const U8g2BitmapOptions& options) {
    const std::string data = u8g2BitmapData(font);
    // The last byte is the string's own closing NUL.
    return cFontString(
        fontSummary(font) + " from fontedit in u8g2's font format, " + characterSummary(font) +
            ".\n   u8g2.setFont(" + options.name + ") selects it.",
        "U8G2_FONT_SECTION", options.name, std::string_view(data).substr(0, data.size() - 1));
}

std::string u8g2FontData(const state::FontData& data, int first) {
    return u8g2BitmapData(classicBitmapFont(data, first));
}

std::string u8g2Source(const state::FontData& data, const std::string& name, int first) {
    const std::string font = u8g2FontData(data, first);
    // The last byte is the string's own closing NUL.
    return cFontString(
        "A 5 x 8 font of 96 glyphs from fontedit in u8g2's font format, characters " +
            std::to_string(first) + "-" + std::to_string(first + state::kSavedCodes - 1) +
            ".\n   u8g2.setFont(" + name + ") selects it.",
        kU8g2Section, name, std::string_view(font).substr(0, font.size() - 1));
}

}  // namespace fontedit::formats
