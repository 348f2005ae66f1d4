#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "formats/bitmap_cell.h"
#include "formats/c_constants.h"
#include "formats/c_tokens.h"
#include "formats/cell_font.h"
#include "formats/font_import.h"
#include "formats/library_fonts.h"
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

// A brace-enclosed initializer's fields: by designator, or by position for those written
// without one. A value is a number, an enumerator, or the name of an array it points to.
struct Fields {
    std::map<std::string_view, long long> numbers;
    std::map<std::string_view, std::string_view> names;
    std::vector<long long> positional;
};

struct GlyphDescription {
    long long index = 0, advance = 0, width = 0, height = 0, left = 0, bottom = 0;
};

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
        const std::map<long long, long long> characters = parse();
        std::vector<long long> encodings;
        encodings.reserve(characters.size());
        for (const auto& [character, glyph] : characters) encodings.push_back(character);
        const long long first =
            options_.first ? *options_.first : onlyRun(encodings).value_or(kDefaultFirst);
        const long long lineHeight = field("line_height").value_or(state::kGlyphRows);
        const long long baseLine = field("base_line").value_or(1);
        CellFont cells(options_, first, lineHeight - baseLine, baseLine);
        for (const auto& [character, id] : characters) {
            cells.sawEncoding(character);
            if (!cells.wanted(character)) continue;
            char name[16];
            std::snprintf(name, sizeof name, "U+%04llX", character);
            CellGlyph glyph{.name = name, .encoding = character};
            draw(cells, glyph, glyphs_[static_cast<std::size_t>(id)]);
            cells.place(glyph);
        }
        return cells.font(true);
    }

    // The font at its own size: each glyph's box and advance as the font gives them.
    state::BitmapFont readBitmap() {
        const std::map<long long, long long> characters = parse();
        const long long lineHeight = field("line_height").value_or(state::kGlyphRows);
        const long long baseLine = field("base_line").value_or(1);
        if (lineHeight < 0 || baseLine < 0 || baseLine > lineHeight ||
            lineHeight > 2 * state::kMaxGlyphSide) {
            damaged();
        }
        if (characters.size() > state::kMaxBitmapGlyphs) damaged();
        state::BitmapFont font{.ascent = static_cast<int>(lineHeight - baseLine),
                               .descent = static_cast<int>(baseLine),
                               .glyphs = {}};
        font.glyphs.reserve(characters.size());
        for (const auto& [character, id] : characters) {
            const GlyphDescription& box = glyphs_[static_cast<std::size_t>(id)];
            if (character < 0 || character > 0x10FFFF) damaged();
            if (box.width > state::kMaxGlyphSide || box.height > state::kMaxGlyphSide) {
                throw Failure(
                    Cause::CellTooLarge,
                    {.value = cellText(static_cast<int>(box.width), static_cast<int>(box.height)),
                     .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
            }
            const auto c = static_cast<char32_t>(character);
            state::BitmapGlyph glyph =
                state::blankGlyph(c, static_cast<int>(std::max(box.width, 0LL)),
                                  static_cast<int>(std::max(box.height, 0LL)));
            glyph.name = characterName(c);
            glyph.advance = static_cast<int>((box.advance + 8) / 16);
            glyph.left = static_cast<int>(box.left);
            glyph.bottom = static_cast<int>(box.bottom);
            drawDots(box, [&](long long x, long long y) {
                glyph.setDot(static_cast<int>(x - box.left),
                             static_cast<int>(box.bottom + box.height - 1 - y), true);
            });
            font.glyphs.push_back(std::move(glyph));
        }
        return font;
    }

private:
    // The glyphs' bits and descriptions; each character's glyph id.
    std::map<long long, long long> parse() {
        const long long bpp = field("bpp").value_or(1);
        if (bpp != 1) throw Failure(Cause::PixelDepth, {.value = std::to_string(bpp)});
        format_ = field("bitmap_format").value_or(kPlain);
        if (format_ < kPlain || format_ > kCompressedNoPrefilter) damaged();
        for (const long long byte : numbers(list("glyph_bitmap"), 0xFF)) {
            bitmap_.push_back(static_cast<std::uint8_t>(byte));
        }
        // Widths and offsets are bytes in LVGL's glyph description, as the converter writes.
        for (const Fields& glyph : entries(list("glyph_dsc"))) {
            const GlyphDescription box{.index = value(glyph, "bitmap_index", 0),
                                       .advance = value(glyph, "adv_w", 1),
                                       .width = value(glyph, "box_w", 2),
                                       .height = value(glyph, "box_h", 3),
                                       .left = value(glyph, "ofs_x", 4),
                                       .bottom = value(glyph, "ofs_y", 5)};
            if (box.index < 0 || box.width > 0xFF || box.height > 0xFF || box.left < -0x80 ||
                box.left > 0x7F || box.bottom < -0x80 || box.bottom > 0x7F) {
                damaged();
            }
            glyphs_.push_back(box);
        }
        return characterGlyphs();
    }

    bool isAt(std::size_t at, char punctuator) const {
        return at < tokens_.size() && tokens_[at].is(punctuator);
    }

    // The first ".NAME = value" anywhere: the font's own fields have names of their own.
    std::optional<long long> field(std::string_view name) const {
        for (std::size_t at = 0; at + 3 < tokens_.size(); ++at) {
            if (tokens_[at].is('.') && tokens_[at + 1].text == name && isAt(at + 2, '=')) {
                std::size_t next = at + 3;
                const std::optional<long long> number = valueAt(next);
                if (!number) damaged();
                return number;
            }
        }
        return std::nullopt;
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
        return found->second;
    }

    std::vector<long long> numbers(std::size_t open, long long most) const {
        std::vector<long long> values;
        for (std::size_t at = open + 1; at + 1 < tokens_.after(open);) {
            const std::optional<long long> number = valueAt(at);
            if (!number || *number < 0 || *number > most) damaged();
            values.push_back(*number);
            if (isAt(at, ',')) ++at;
        }
        return values;
    }

    // The brace-enclosed entries of the list at `open`, conditionals inside them passed over.
    std::vector<Fields> entries(std::size_t open) const {
        std::vector<Fields> found;
        const std::size_t end = tokens_.after(open);
        for (std::size_t at = open + 1; at + 1 < end; ++at) {
            if (!tokens_[at].is('{')) continue;
            Fields fields;
            const std::size_t close = tokens_.after(at) - 1;
            for (std::size_t inner = at + 1; inner < close;) {
                if (tokens_[inner].is(',') || tokens_[inner].kind == CToken::Kind::Conditional) {
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
                    if (designator)
                        fields.numbers[*designator] = *number;
                    else
                        fields.positional.push_back(*number);
                } else if (designator && tokens_[before].kind == CToken::Kind::Identifier) {
                    fields.names[*designator] = tokens_[before].text;
                    inner = before + 1;
                } else {
                    damaged();
                }
            }
            found.push_back(std::move(fields));
            at = close;
        }
        return found;
    }

    static long long value(const Fields& fields, std::string_view name, std::size_t position) {
        const auto found = fields.numbers.find(name);
        if (found != fields.numbers.end()) return found->second;
        if (position < fields.positional.size()) return fields.positional[position];
        return 0;
    }

    // The list a cmap field points to, or none for NULL; each read once however many point
    // to it.
    const std::vector<long long>& pointed(const Fields& cmap, std::string_view name) {
        static const std::vector<long long> none;
        const auto found = cmap.names.find(name);
        if (found == cmap.names.end()) return none;
        const auto [read, fresh] = pointedLists_.try_emplace(found->second);
        if (fresh) read->second = numbers(list(found->second), 0xFFFF);
        return read->second;
    }

    // Each character of the cmaps and the glyph it draws, as LVGL looks them up.
    std::map<long long, long long> characterGlyphs() {
        std::map<long long, long long> glyphs;
        for (const Fields& cmap : entries(list("cmaps"))) {
            const long long start = value(cmap, "range_start", 0);
            const long long length = value(cmap, "range_length", 1);
            const long long firstId = value(cmap, "glyph_id_start", 2);
            const long long entries = value(cmap, "list_length", 5);
            const long long type = value(cmap, "type", 6);
            const std::vector<long long>& characters = pointed(cmap, "unicode_list");
            const std::vector<long long>& offsets = pointed(cmap, "glyph_id_ofs_list");
            const auto take = [&](long long offset, long long id) {
                if (id <= 0) return;
                if (static_cast<std::size_t>(id) >= glyphs_.size()) damaged();
                if (!glyphs.emplace(start + offset, id).second) damaged();
            };
            const bool sparse = type == kSparseFull || type == kSparseTiny;
            const bool full = type == kFormat0Full || type == kSparseFull;
            const long long count = sparse ? entries : length;
            if (type < kFormat0Full || type > kSparseTiny || length < 0 || count < 0 ||
                (sparse && characters.size() < static_cast<std::size_t>(count)) ||
                (full && offsets.size() < static_cast<std::size_t>(count))) {
                damaged();
            }
            for (long long i = 0; i < count; ++i) {
                const auto index = static_cast<std::size_t>(i);
                take(sparse ? characters[index] : i, firstId + (full ? offsets[index] : i));
            }
        }
        return glyphs;
    }

    void draw(const CellFont& cells, CellGlyph& glyph, const GlyphDescription& box) const {
        drawDots(box, [&](long long x, long long y) { cells.dot(glyph, x, y); });
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
    std::map<std::string_view, std::vector<long long>> pointedLists_;
    long long format_ = kPlain;
    std::vector<std::uint8_t> bitmap_;
    std::vector<GlyphDescription> glyphs_;
};

}  // namespace

ImportedFont importLvgl(std::string_view source, const ImportOptions& options) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    return LvglReader(source, options).read();
}

state::BitmapFont lvglBitmapImport(std::string_view source) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const ImportOptions options;
    return LvglReader(source, options).readBitmap();
}

}  // namespace fontedit::formats
