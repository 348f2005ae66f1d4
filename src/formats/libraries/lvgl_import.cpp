#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "formats/c/c_constants.h"
#include "formats/c/c_tokens.h"
#include "formats/common/bitmap_cell.h"
#include "formats/common/cell_font.h"
#include "formats/font_import.h"
#include "formats/libraries/lvgl.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

[[noreturn]] void damaged() {
    throw Failure(Cause::LibraryFontDamaged, {.value = "LVGL"});
}

// The values of LVGL's lv_font_fmt_txt_bitmap_format_t and lv_font_fmt_txt_cmap_type_t.
enum BitmapFormat { kPlain = 0, kCompressed = 1, kCompressedNoPrefilter = 2 };
enum CmapType { kFormat0Full = 0, kSparseFull = 1, kFormat0Tiny = 2, kSparseTiny = 3 };

const std::map<std::string_view, long long> kEnumerators = {
    {"LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL", kFormat0Full},
    {"LV_FONT_FMT_TXT_CMAP_SPARSE_FULL", kSparseFull},
    {"LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY", kFormat0Tiny},
    {"LV_FONT_FMT_TXT_CMAP_SPARSE_TINY", kSparseTiny},
    {"LV_FONT_FMT_TXT_PLAIN", kPlain},
    {"LV_FONT_FMT_TXT_COMPRESSED", kCompressed},
    {"NULL", 0},
};

// The fields of the font itself that the glyphs depend on.
enum FontField : std::size_t { kBpp, kBitmapFormat, kLineHeight, kBaseLine, kFontFields };
constexpr std::string_view kFontFieldNames[kFontFields] = {"bpp", "bitmap_format", "line_height",
                                                           "base_line"};

// A brace-enclosed initializer's fields: by designator, in the order written, or by position
// for those written without one. A value is a number, an enumerator, or the name of an array it
// points to. Vectors kept from entry to entry rather than maps: a font has an entry a glyph.
struct Fields {
    template <typename Value>
    using Designated = std::vector<std::pair<std::string_view, Value>>;
    Designated<long long> numbers;
    Designated<std::string_view> names;
    std::vector<long long> positional;

    void clear() {
        numbers.clear();
        names.clear();
        positional.clear();
    }
};

// The value last given to designator `name`, as C takes the last of two; none when not given.
template <typename Value>
const Value* designated(const Fields::Designated<Value>& fields, std::string_view name) {
    const auto found = std::find_if(fields.rbegin(), fields.rend(),
                                    [&](const auto& field) { return field.first == name; });
    return found == fields.rend() ? nullptr : &found->second;
}

// LVGL's glyph description, its fields at their own widths.
struct GlyphDescription {
    std::uint32_t index = 0;
    std::uint32_t advance = 0;  // in 1/16 dots
    std::uint8_t width = 0, height = 0;
    std::int8_t left = 0, bottom = 0;
};

// A cmap entry's fields and their widths in lv_font_fmt_txt_cmap_t; a value past its width is
// no font's.
struct CmapField {
    std::string_view name;
    std::size_t position;
    long long most;
};
constexpr CmapField kRangeStart{"range_start", 0, 0xFFFFFFFF};
constexpr CmapField kRangeLength{"range_length", 1, 0xFFFF};
constexpr CmapField kGlyphIdStart{"glyph_id_start", 2, 0xFFFF};
constexpr CmapField kListLength{"list_length", 5, 0xFFFF};
constexpr CmapField kType{"type", 6, kSparseTiny};
// A character of the cmaps and the glyph it draws.
struct Mapped {
    std::uint32_t character;
    std::uint32_t glyph;
};

// An entry holds no more values by position than the wider of LVGL's two structs has fields.
constexpr std::size_t kMostPositional = 8;

// Bits from the most significant, as LVGL packs its bitmaps.
class BitReader {
public:
    BitReader(const std::vector<std::uint8_t>& bytes, std::size_t start)
        : bytes_(bytes), position_(start * 8) {}
    unsigned get(int bits) {
        unsigned value = 0;
        for (int bit = 0; bit < bits; ++bit, ++position_) {
            if (position_ / 8 >= bytes_.size()) damaged();
            value = value << 1 | (bytes_[position_ / 8] >> (7 - position_ % 8) & 1u);
        }
        return value;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_;
};

// The converter's run-length code at 1 bit a pixel: a pixel as it is; once one repeats the
// last, each further repeat is a 1 bit and a 0 bit ends them; the eleventh 1 bit is followed by
// a 6-bit count of the repeats from it on, the last of them read as a pixel of its own.
class RunReader {
public:
    explicit RunReader(BitReader& bits) : bits_(bits) {}
    unsigned next() {
        if (state_ == State::Counting) {
            if (--count_ == 0) return literal();
            return last_;
        }
        if (state_ == State::Repeating) {
            ++count_;
            if (bits_.get(1) == 0) return literal();
            if (count_ == kBitRepeats) {
                count_ = bits_.get(kCounterBits);
                if (count_ == 0) return literal();
                state_ = State::Counting;
            }
            return last_;
        }
        const unsigned value = bits_.get(1);
        if (started_ && value == last_) {
            state_ = State::Repeating;
            count_ = 0;
        }
        started_ = true;
        last_ = value;
        return value;
    }

private:
    static constexpr unsigned kBitRepeats = 11;
    static constexpr int kCounterBits = 6;
    enum class State { Single, Repeating, Counting };

    unsigned literal() {
        state_ = State::Single;
        last_ = bits_.get(1);
        return last_;
    }

    BitReader& bits_;
    State state_ = State::Single;
    bool started_ = false;
    unsigned last_ = 0;
    unsigned count_ = 0;
};

class LvglReader {
public:
    LvglReader(std::string_view source, const ImportOptions& options)
        : tokens_(cTokens(source)), options_(options) {}

    ImportedFont read() {
        const std::vector<Mapped> characters = parse();
        std::optional<long long> run;
        if (characters.size() == state::kSavedCodes) {
            std::vector<long long> encodings;
            encodings.reserve(characters.size());
            for (const Mapped& mapped : characters) encodings.push_back(mapped.character);
            run = onlyRun(std::move(encodings));
        }
        const long long first = options_.first ? *options_.first : run.value_or(kDefaultFirst);
        CellFont cells(options_, first, lineHeight_ - baseLine_, baseLine_);
        for (const Mapped& mapped : characters) {
            const long long character = mapped.character;
            cells.sawEncoding(character);
            if (!cells.wanted(character)) continue;
            char name[16];
            std::snprintf(name, sizeof name, "U+%04llX", character);
            CellGlyph glyph{.name = name, .encoding = character};
            drawDots(glyphs_[mapped.glyph],
                     [&](long long x, long long y) { cells.dot(glyph, x, y); });
            cells.place(glyph);
        }
        return cells.font("ISO10646", "1");
    }

    // The font at its own size: each glyph's box and advance as the font gives them.
    state::BitmapFont readBitmap() {
        const std::vector<Mapped> characters = parse();
        if (lineHeight_ < 0 || baseLine_ < 0 || baseLine_ > lineHeight_ ||
            lineHeight_ > 2 * state::kMaxGlyphSide) {
            damaged();
        }
        if (characters.size() > state::kMaxBitmapGlyphs) damaged();
        state::BitmapFont font{.ascent = static_cast<int>(lineHeight_ - baseLine_),
                               .descent = static_cast<int>(baseLine_),
                               .glyphs = {},
                               .family = {}};
        font.glyphs.reserve(characters.size());
        for (const Mapped& mapped : characters) {
            const GlyphDescription& box = glyphs_[mapped.glyph];
            if (mapped.character > 0x10FFFF) damaged();
            if (box.width > state::kMaxGlyphSide || box.height > state::kMaxGlyphSide) {
                throw Failure(Cause::CellPastFormat,
                              {.value = cellText(box.width, box.height),
                               .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
            }
            const auto c = static_cast<char32_t>(mapped.character);
            state::BitmapGlyph glyph = state::blankGlyph(c, box.width, box.height);
            glyph.name = characterName(c);
            glyph.advance = static_cast<int>((box.advance + 8) / 16);
            glyph.left = box.left;
            glyph.bottom = box.bottom;
            drawDots(box, [&](long long x, long long y) {
                glyph.setDot(static_cast<int>(x - box.left),
                             static_cast<int>(box.bottom + box.height - 1 - y), true);
            });
            font.glyphs.push_back(std::move(glyph));
        }
        return font;
    }

private:
    // The glyphs' bits and descriptions, the line's height and baseline; each character's
    // glyph. The converter and the export write every field the glyphs depend on: a file
    // without one is cut short, and a compressed font is no plain one.
    std::vector<Mapped> parse() {
        const std::array<std::size_t, kFontFields> at = fontFields();
        const long long bpp = required(at[kBpp]);
        if (bpp != 1) throw Failure(Cause::PixelDepth, {.value = std::to_string(bpp)});
        format_ = required(at[kBitmapFormat]);
        if (format_ < kPlain || format_ > kCompressedNoPrefilter) damaged();
        lineHeight_ = required(at[kLineHeight]);
        baseLine_ = required(at[kBaseLine]);
        numbers(list("glyph_bitmap"), bitmap_);
        // Widths and offsets are bytes in LVGL's glyph description, as the converter writes.
        forEachEntry(list("glyph_dsc"), [&](const Fields& glyph) {
            const long long index = value(glyph, "bitmap_index", 0),
                            advance = value(glyph, "adv_w", 1), width = value(glyph, "box_w", 2),
                            height = value(glyph, "box_h", 3), left = value(glyph, "ofs_x", 4),
                            bottom = value(glyph, "ofs_y", 5);
            if (index < 0 || index > static_cast<long long>(bitmap_.size()) || width < 0 ||
                width > 0xFF || height < 0 || height > 0xFF || left < -0x80 || left > 0x7F ||
                bottom < -0x80 || bottom > 0x7F || advance < 0 || advance > 0xFFFFF) {
                damaged();
            }
            glyphs_.push_back({static_cast<std::uint32_t>(index),
                               static_cast<std::uint32_t>(advance),
                               static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(height),
                               static_cast<std::int8_t>(left), static_cast<std::int8_t>(bottom)});
        });
        return characterGlyphs();
    }

    bool isAt(std::size_t at, char punctuator) const {
        return at < tokens_.size() && tokens_[at].is(punctuator);
    }

    // Where each of the font's own fields is first given as ".NAME = value", found in one pass
    // rather than one a field: the font's own fields have names of their own.
    std::array<std::size_t, kFontFields> fontFields() const {
        std::array<std::size_t, kFontFields> found;
        found.fill(tokens_.size());
        for (std::size_t at = 0; at + 3 < tokens_.size(); ++at) {
            if (!tokens_[at].is('.') || !isAt(at + 2, '=')) continue;
            const std::string_view name = tokens_[at + 1].text;
            for (std::size_t field = 0; field < kFontFields; ++field) {
                if (found[field] == tokens_.size() && name == kFontFieldNames[field]) {
                    found[field] = at;
                }
            }
        }
        return found;
    }

    // The value of the field given at `at`, as fontFields found it.
    long long required(std::size_t at) const {
        if (at == tokens_.size()) damaged();
        tokens_.requireDecided(at);
        std::size_t next = at + 3;
        const std::optional<long long> number = valueAt(next);
        if (!number) damaged();
        return *number;
    }

    // A number, "-" and a number, or an enumerator, from `at` on; `at` is moved past it.
    std::optional<long long> valueAt(std::size_t& at) const {
        const bool negative = isAt(at, '-');
        if (negative) ++at;
        if (at >= tokens_.size()) return std::nullopt;
        const CToken token = tokens_[at++];
        if (token.kind == CToken::Kind::Identifier) {
            const auto found = kEnumerators.find(token.text);
            if (found == kEnumerators.end() || negative) return std::nullopt;
            return found->second;
        }
        const std::optional<std::uint64_t> number =
            token.kind == CToken::Kind::Number ? integerConstant(token.text) : std::nullopt;
        if (!number || *number > 0xFFFFFFFF) return std::nullopt;
        return negative ? -static_cast<long long>(*number) : static_cast<long long>(*number);
    }

    // The "{" given to each array or object, by name; the last whose list is closed, as LVGL's
    // converter writes some declarations twice, for old versions and new, under #if.
    std::map<std::string_view, std::size_t> lists() const {
        std::map<std::string_view, std::size_t> found;
        for (std::size_t at = 0; at < tokens_.size(); ++at) {
            if (tokens_[at].kind != CToken::Kind::Identifier) continue;
            std::size_t next = at + 1;
            while (isAt(next, '[')) next = tokens_.after(next);
            if (isAt(next, '=') && isAt(next + 1, '{') && tokens_.closed(next + 1)) {
                found[tokens_[at].text] = next + 1;
            }
        }
        return found;
    }

    std::size_t list(std::string_view name) const {
        const auto found = lists_.find(name);
        if (found == lists_.end())
            throw Failure(Cause::ArrayNotFound, {.value = std::string(name)});
        tokens_.requireDecided(found->second);
        return found->second;
    }

    // The list's values, each at the width of `values`' own.
    template <typename Value>
    void numbers(std::size_t open, std::vector<Value>& values) const {
        const std::size_t end = tokens_.after(open);
        values.reserve((end - open) / 2);
        for (std::size_t at = open + 1; at + 1 < end;) {
            if (tokens_[at].kind == CToken::Kind::Conditional) conditionalIn(at);
            const std::optional<long long> number = valueAt(at);
            if (!number || *number < 0 || *number > std::numeric_limits<Value>::max()) damaged();
            values.push_back(static_cast<Value>(*number));
            if (isAt(at, ',')) ++at;
        }
    }

    [[noreturn]] void conditionalIn(std::size_t at) const {
        throw Failure(Cause::ConditionalInList,
                      {.line = tokens_.line(at), .value = std::string(tokens_[at].text)});
    }

    // Each brace-enclosed entry of the list at `open` in turn.
    template <typename Visit>
    void forEachEntry(std::size_t open, Visit visit) const {
        const std::size_t end = tokens_.after(open);
        Fields fields;
        for (std::size_t at = open + 1; at + 1 < end; ++at) {
            if (tokens_[at].kind == CToken::Kind::Conditional) conditionalIn(at);
            if (!tokens_[at].is('{')) continue;
            fields.clear();
            const std::size_t close = tokens_.after(at) - 1;
            for (std::size_t inner = at + 1; inner < close;) {
                if (tokens_[inner].kind == CToken::Kind::Conditional) conditionalIn(inner);
                if (tokens_[inner].is(',')) {
                    ++inner;
                    continue;
                }
                std::optional<std::string_view> designator;
                if (tokens_[inner].is('.') && isAt(inner + 2, '=')) {
                    designator = tokens_[inner + 1].text;
                    inner += 3;
                }
                std::size_t before = inner;
                const std::optional<long long> number = valueAt(inner);
                if (number) {
                    if (designator) {
                        fields.numbers.emplace_back(*designator, *number);
                    } else {
                        if (fields.positional.size() == kMostPositional) damaged();
                        fields.positional.push_back(*number);
                    }
                } else if (designator && tokens_[before].kind == CToken::Kind::Identifier) {
                    fields.names.emplace_back(*designator, tokens_[before].text);
                    inner = before + 1;
                } else {
                    damaged();
                }
            }
            visit(fields);
            at = close;
        }
    }

    static long long value(const Fields& fields, std::string_view name, std::size_t position) {
        if (const long long* found = designated(fields.numbers, name)) return *found;
        if (position < fields.positional.size()) return fields.positional[position];
        return 0;
    }
    static long long value(const Fields& fields, const CmapField& field) {
        const long long found = value(fields, field.name, field.position);
        if (found < 0 || found > field.most) damaged();
        return found;
    }

    // The list a cmap field points to, or none for NULL; each read once however many point
    // to it.
    const std::vector<std::uint16_t>& pointed(const Fields& cmap, std::string_view name) {
        static const std::vector<std::uint16_t> none;
        const std::string_view* found = designated(cmap.names, name);
        if (!found) return none;
        const auto [read, fresh] = pointedLists_.try_emplace(*found);
        if (fresh) numbers(list(*found), read->second);
        return read->second;
    }

    // Each character of the cmaps and the glyph it draws, as LVGL looks them up, in the order
    // of the characters. Only entries that name a glyph the font has are walked, and no more
    // of them than the cmaps' lists hold values and a full range besides: many entries
    // pointing to one long list cannot make the walk longer than the file.
    std::vector<Mapped> characterGlyphs() {
        std::vector<Mapped> glyphs;
        std::size_t steps = tokens_.size() / 2 + 0x10000;
        forEachEntry(list("cmaps"), [&](const Fields& cmap) {
            const long long start = value(cmap, kRangeStart);
            const long long length = value(cmap, kRangeLength);
            const long long firstId = value(cmap, kGlyphIdStart);
            const long long entries = value(cmap, kListLength);
            const long long type = value(cmap, kType);
            const std::vector<std::uint16_t>& characters = pointed(cmap, "unicode_list");
            const std::vector<std::uint16_t>& offsets = pointed(cmap, "glyph_id_ofs_list");
            const bool sparse = type == kSparseFull || type == kSparseTiny;
            const bool full = type == kFormat0Full || type == kSparseFull;
            const long long count = sparse ? entries : length;
            if ((sparse && characters.size() < static_cast<std::size_t>(count)) ||
                (full && offsets.size() < static_cast<std::size_t>(count))) {
                damaged();
            }
            const auto glyphCount = static_cast<long long>(glyphs_.size());
            // Without a list of offsets, entry i draws glyph firstId + i: only those that name
            // a glyph are walked.
            const long long from = full ? 0 : std::max(0LL, 1 - firstId);
            if (!full && firstId + count > glyphCount) damaged();
            for (long long i = from; i < count; ++i) {
                if (steps-- == 0) damaged();
                const auto index = static_cast<std::size_t>(i);
                const long long id = firstId + (full ? offsets[index] : i);
                if (id == 0) continue;
                if (id >= glyphCount) damaged();
                const long long character = start + (sparse ? characters[index] : i);
                if (character > 0xFFFFFFFF) damaged();
                glyphs.push_back(
                    {static_cast<std::uint32_t>(character), static_cast<std::uint32_t>(id)});
            }
        });
        std::sort(glyphs.begin(), glyphs.end(),
                  [](const Mapped& a, const Mapped& b) { return a.character < b.character; });
        const auto twice = std::adjacent_find(glyphs.begin(), glyphs.end(), [](auto& a, auto& b) {
            return a.character == b.character;
        });
        if (twice != glyphs.end()) damaged();
        return glyphs;
    }

    // Calls dot(x, y) for each lit dot, x right of the origin and y above the baseline.
    template <typename Dot>
    void drawDots(const GlyphDescription& box, Dot dot) const {
        if (box.width <= 0 || box.height <= 0) return;
        BitReader bits(bitmap_, static_cast<std::size_t>(box.index));
        RunReader runs(bits);
        std::vector<unsigned> above(static_cast<std::size_t>(box.width), 0);
        for (long long row = 0; row < box.height; ++row) {
            for (long long column = 0; column < box.width; ++column) {
                unsigned& lit = above[static_cast<std::size_t>(column)];
                if (format_ == kPlain) {
                    lit = bits.get(1);
                } else {
                    // The converter's prefilter stores each row XORed with the one above.
                    const unsigned stored = runs.next();
                    lit = format_ == kCompressed && row > 0 ? lit ^ stored : stored;
                }
                if (lit) dot(box.left + column, box.bottom + box.height - 1 - row);
            }
        }
    }

    CTokens tokens_;
    const ImportOptions& options_;
    std::map<std::string_view, std::size_t> lists_ = lists();
    std::map<std::string_view, std::vector<std::uint16_t>> pointedLists_;
    long long format_ = kPlain;
    long long lineHeight_ = 0;
    long long baseLine_ = 0;
    std::vector<std::uint8_t> bitmap_;
    std::vector<GlyphDescription> glyphs_;
};

}  // namespace

ImportedFont importLvgl(std::string_view source, const ImportOptions& options) {
    requireImportSize(source.size());
    return LvglReader(source, options).read();
}

state::BitmapFont lvglBitmapImport(std::string_view source) {
    requireImportSize(source.size());
    const ImportOptions options;
    return LvglReader(source, options).readBitmap();
}

}  // namespace fontedit::formats
