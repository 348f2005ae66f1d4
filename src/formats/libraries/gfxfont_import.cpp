// A GFXfont header, as the library's converter writes one, as the library ships them and as
// the gfxfont export writes one: the GFXfont's list names the bitmap and the glyph table, then
// the first and last character. Each glyph is drawn from its box's top-left corner, xOffset
// right of the cursor and yOffset below it; the cursor's line is the cell's row 6.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "formats/c/c_constants.h"
#include "formats/c/c_tokens.h"
#include "formats/common/bitmap_cell.h"
#include "formats/common/cell_font.h"
#include "formats/font_import.h"
#include "formats/libraries/gfxfont.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr std::size_t kGlyphFields = 6;  // bitmapOffset, width, height, xAdvance, xOffset, yOffset
// More than a GFXfont's list or a glyph's has: bitmap, glyphs, first, last, yAdvance.
constexpr std::size_t kMostFields = 8;

// One value of a list: a number, or the name of an array.
struct Element {
    std::optional<long long> number{};
    std::string_view name{};
};

class GfxReader {
public:
    GfxReader(std::string_view source, const ImportOptions& options)
        : tokens_(cTokens(source)), options_(options) {
        findLists();
    }

    ImportedFont read() {
        if (!font_) throw Failure(Cause::NoFontArray, {});
        tokens_.requireDecided(*font_);
        const std::vector<Element> header = elements(*font_);
        if (header.size() < 4 || header[0].name.empty() || header[1].name.empty() ||
            !header[2].number || !header[3].number) {
            throw Failure(Cause::NotAConstant, {.line = tokens_.line(*font_), .value = "GFXfont"});
        }
        const std::vector<std::uint8_t> bitmap = bytesOf(header[0].name);
        const std::size_t glyphList = listNamed(header[1].name);
        const long long fontFirst = *header[2].number, fontLast = *header[3].number;
        CellFont cells(options_, firstTaken(options_, fontFirst, fontLast), 0, 0);
        long long character = fontFirst;
        forEachRow(glyphList, [&](std::size_t open, const std::vector<Element>& fields) {
            if (character > fontLast) return;
            cells.sawEncoding(character);
            if (cells.wanted(character)) cells.place(glyph(open, fields, character, bitmap, cells));
            ++character;
        });
        if (character <= fontLast) {
            throw Failure(Cause::GlyphsMissing,
                          {.line = tokens_.line(glyphList),
                           .value = std::to_string(fontLast - fontFirst + 1)});
        }
        return cells.font("ISO10646", "1");
    }

    // The font at its own size: each glyph's box as it stands, the cursor's line the baseline,
    // the line as high as yAdvance with its lowest glyph's bottom below the baseline.
    state::BitmapFont readBitmap() {
        if (!font_) throw Failure(Cause::NoFontArray, {});
        const std::vector<Element> header = elements(*font_);
        if (header.size() < 5 || header[0].name.empty() || header[1].name.empty() ||
            !header[2].number || !header[3].number || !header[4].number) {
            throw Failure(Cause::NotAConstant, {.line = tokens_.line(*font_), .value = "GFXfont"});
        }
        const std::vector<std::uint8_t> bitmap = bytesOf(header[0].name);
        const std::size_t glyphList = listNamed(header[1].name);
        const long long fontFirst = *header[2].number, fontLast = *header[3].number;
        state::BitmapFont font;
        long long character = fontFirst;
        forEachRow(glyphList, [&](std::size_t open, const std::vector<Element>& fields) {
            if (character > fontLast) return;
            state::BitmapGlyph glyph = bitmapGlyph(open, fields, character, bitmap);
            // A gap in the range is a glyph of no dots and no advance.
            if (glyph.width > 0 || glyph.advance > 0) {
                font.descent = std::max(font.descent, -glyph.bottom);
                font.glyphs.push_back(std::move(glyph));
            }
            ++character;
        });
        if (character <= fontLast) {
            throw Failure(Cause::GlyphsMissing,
                          {.line = tokens_.line(glyphList),
                           .value = std::to_string(fontLast - fontFirst + 1)});
        }
        font.ascent = std::max(0, static_cast<int>(*header[4].number) - font.descent);
        return font;
    }

private:
    state::BitmapGlyph bitmapGlyph(std::size_t open, const std::vector<Element>& fields,
                                   long long character,
                                   const std::vector<std::uint8_t>& bitmap) const {
        const long long offset = *fields[0].number, width = *fields[1].number,
                        height = *fields[2].number, advance = *fields[3].number,
                        xOffset = *fields[4].number, yOffset = *fields[5].number;
        char name[16];
        std::snprintf(name, sizeof name, "0x%02llX", character);
        const int line = tokens_.line(open);
        if (width < 0 || height < 0 || width > 0xFF || height > 0xFF || advance < 0 ||
            advance > 0xFF || xOffset < -0x80 || xOffset > 0x7F || yOffset < -0x80 ||
            yOffset > 0x7F || character < 0 || character > 0xFFFF) {
            throw Failure(Cause::BitmapShort, {.line = line, .value = name});
        }
        if (width > state::kMaxGlyphSide || height > state::kMaxGlyphSide) {
            throw Failure(Cause::CellPastFormat,
                          {.line = line,
                           .value = cellText(static_cast<int>(width), static_cast<int>(height)),
                           .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
        }
        const long long bits = width * height;
        if (offset < 0 || offset + (bits + 7) / 8 > static_cast<long long>(bitmap.size())) {
            throw Failure(Cause::BitmapShort, {.line = line, .value = name});
        }
        state::BitmapGlyph glyph = state::blankGlyph(
            static_cast<char32_t>(character), static_cast<int>(width), static_cast<int>(height));
        glyph.name = characterName(static_cast<char32_t>(character));
        glyph.advance = static_cast<int>(advance);
        glyph.left = static_cast<int>(xOffset);
        glyph.bottom = static_cast<int>(1 - yOffset - height);
        for (long long bit = 0; bit < bits; ++bit) {
            const std::uint8_t byte = bitmap[static_cast<std::size_t>(offset + bit / 8)];
            if (byte << (bit % 8) & 0x80) {
                glyph.setDot(static_cast<int>(bit % width), static_cast<int>(bit / width), true);
            }
        }
        return glyph;
    }

    bool isAt(std::size_t at, char punctuator) const {
        return at < tokens_.size() && tokens_[at].is(punctuator);
    }

    // Every "NAME[...] ... = {" and the "{" of the GFXfont's own list.
    void findLists() {
        for (std::size_t at = 0; at + 1 < tokens_.size(); ++at) {
            const CToken token = tokens_[at];
            if (token.kind != CToken::Kind::Identifier) continue;
            std::size_t next = at + 1;
            const bool font = token.text == "GFXfont";
            if (font) {
                while (next < tokens_.size() && tokens_[next].kind == CToken::Kind::Identifier)
                    ++next;
            } else {
                if (!isAt(next, '[')) continue;
                while (isAt(next, '[')) next = tokens_.after(next);
                while (next < tokens_.size() && tokens_[next].kind == CToken::Kind::Identifier) {
                    ++next;
                    if (isAt(next, '(')) next = tokens_.after(next);
                }
            }
            if (!isAt(next, '=') || !isAt(next + 1, '{')) continue;
            if (!tokens_.closed(next + 1)) {
                throw Failure(Cause::ListNotClosed, {.line = tokens_.line(next + 1), .value = "{"});
            }
            if (font) {
                if (!font_) font_ = next + 1;
            } else {
                lists_.emplace(token.text, next + 1);
            }
            at = tokens_.after(next + 1) - 1;
        }
    }

    std::size_t listNamed(std::string_view name) const {
        const auto found = lists_.find(name);
        if (found == lists_.end())
            throw Failure(Cause::ArrayNotFound, {.value = std::string(name)});
        tokens_.requireDecided(found->second);
        return found->second;
    }

    [[noreturn]] void refuse(std::size_t at) const {
        const CToken token = tokens_[at];
        if (token.kind == CToken::Kind::Conditional) {
            throw Failure(Cause::ConditionalInList,
                          {.line = tokens_.line(at), .value = std::string(token.text)});
        }
        throw Failure(Cause::NotAConstant,
                      {.line = tokens_.line(at), .value = std::string(token.text)});
    }

    // A cast, parentheses or a minus sign before a constant or a name.
    Element element(std::size_t& at) const {
        if (at >= tokens_.size()) throw Failure(Cause::ListNotClosed, {});
        const std::optional<CValue> value = listValue(tokens_, at);
        if (!value) refuse(std::min(at, tokens_.size() - 1));
        if (!value->number) return {.name = value->name};
        if (*value->number > 0xFFFFFF) refuse(at - 1);
        const auto number = static_cast<long long>(*value->number);
        return {.number = value->negative ? -number : number};
    }

    // Each value of the list at `open`, which holds no list of its own, in turn.
    template <typename Visit>
    void forEachElement(std::size_t open, Visit visit) const {
        const std::size_t end = tokens_.after(open) - 1;
        for (std::size_t at = open + 1; at < end;) {
            if (tokens_[at].is(',')) {
                ++at;
                continue;
            }
            if (tokens_[at].is('{') || tokens_[at].kind == CToken::Kind::Conditional) refuse(at);
            visit(element(at));
            if (at < end && !tokens_[at].is(',')) refuse(at);
        }
    }

    // The values of a short list: the GFXfont's own, or a glyph's.
    std::vector<Element> elements(std::size_t open) const {
        std::vector<Element> values;
        forEachElement(open, [&](const Element& value) {
            if (values.size() == kMostFields) {
                throw Failure(Cause::RowTooLong, {.line = tokens_.line(open), .value = "{"});
            }
            values.push_back(value);
        });
        return values;
    }

    std::vector<std::uint8_t> bytesOf(std::string_view name) const {
        std::vector<std::uint8_t> bytes;
        const std::size_t open = listNamed(name);
        bytes.reserve((tokens_.after(open) - open) / 2);
        forEachElement(open, [&](const Element& value) {
            if (!value.number || *value.number < 0 || *value.number > 0xFF) {
                throw Failure(Cause::NotAByte,
                              {.line = tokens_.line(open),
                               .value = value.number ? std::to_string(*value.number)
                                                     : std::string(value.name)});
            }
            bytes.push_back(static_cast<std::uint8_t>(*value.number));
        });
        return bytes;
    }

    // Each "{...}" of the glyph table in turn.
    template <typename Visit>
    void forEachRow(std::size_t open, Visit visit) const {
        const std::size_t end = tokens_.after(open) - 1;
        for (std::size_t at = open + 1; at < end;) {
            if (tokens_[at].is(',')) {
                ++at;
            } else if (tokens_[at].is('{')) {
                std::vector<Element> fields = elements(at);
                if (fields.size() > kGlyphFields) {
                    throw Failure(Cause::RowTooLong, {.line = tokens_.line(at), .value = "{"});
                }
                for (const Element& field : fields) {
                    if (!field.number) refuse(at);
                }
                fields.resize(kGlyphFields, Element{.number = 0});
                visit(at, fields);
                at = tokens_.after(at);
            } else {
                refuse(at);
            }
        }
    }

    CellGlyph glyph(std::size_t open, const std::vector<Element>& fields, long long character,
                    const std::vector<std::uint8_t>& bitmap, const CellFont& cells) const {
        const long long offset = *fields[0].number, width = *fields[1].number,
                        height = *fields[2].number, xOffset = *fields[4].number,
                        yOffset = *fields[5].number;
        char name[16];
        std::snprintf(name, sizeof name, "0x%02llX", character);
        CellGlyph glyph{.name = name, .line = tokens_.line(open), .encoding = character};
        // The struct holds a byte for each size, so that a larger one is no GFXfont's.
        if (width < 0 || height < 0 || width > 0xFF || height > 0xFF) {
            throw Failure(Cause::BitmapShort, {.line = glyph.line, .value = glyph.name});
        }
        const long long bits = width * height;
        if (offset < 0 || offset + (bits + 7) / 8 > static_cast<long long>(bitmap.size())) {
            throw Failure(Cause::BitmapShort, {.line = glyph.line, .value = glyph.name});
        }
        for (long long bit = 0; bit < bits; ++bit) {
            const std::uint8_t byte = bitmap[static_cast<std::size_t>(offset + bit / 8)];
            if ((byte << (bit % 8) & 0x80) == 0) continue;
            const long long below = yOffset + bit / width;  // rows below the cursor's line
            cells.dot(glyph, xOffset + bit % width, -below);
        }
        return glyph;
    }

    CTokens tokens_;
    const ImportOptions& options_;
    std::map<std::string_view, std::size_t> lists_;
    std::optional<std::size_t> font_;
};

}  // namespace

ImportedFont importGfxFont(std::string_view source, const ImportOptions& options) {
    requireImportSize(source.size());
    return GfxReader(source, options).read();
}

state::BitmapFont gfxfontBitmapImport(std::string_view source) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const ImportOptions options;
    return GfxReader(source, options).readBitmap();
}

}  // namespace fontedit::formats
