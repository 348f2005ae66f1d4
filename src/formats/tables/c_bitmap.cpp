#include <algorithm>
#include <climits>

#include "formats/c/c_constants.h"
#include "formats/c/c_text.h"
#include "formats/c/c_tokens.h"
#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "formats/tables/c_bitmap.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

int bytesFor(int dots) {
    return (dots + 7) / 8;
}

// Where the dot (x, y) lies in a glyph's bytes: the byte, and the bit counted from the byte's
// first dot (the top of a column, the left of a row).
struct BitPlace {
    std::size_t byte;
    int bit;
};

BitPlace placeOf(int width, int height, CLayout layout, int x, int y) {
    switch (layout) {
        case CLayout::Columns:
            return {static_cast<std::size_t>(x * bytesFor(height) + y / 8), y % 8};
        case CLayout::Pages:
            return {static_cast<std::size_t>(y / 8 * width + x), y % 8};
        case CLayout::Rows:
            break;
    }
    return {static_cast<std::size_t>(y * bytesFor(width) + x / 8), x % 8};
}

std::string layoutSentence(CLayout layout, bool msbFirst, int width, int height) {
    const std::string first = msbFirst ? "bit 7" : "bit 0";
    switch (layout) {
        case CLayout::Columns:
            return std::to_string(bytesFor(height)) +
                   " bytes a column, left column first, its top byte first; " + first +
                   " is a byte's top dot";
        case CLayout::Pages:
            return "a row of " + std::to_string(width) + " column bytes for each of the " +
                   std::to_string(bytesFor(height)) + " pages of 8 rows, top page first; " + first +
                   " is a byte's top dot";
        case CLayout::Rows:
            break;
    }
    return std::to_string(bytesFor(width)) + " bytes a row, top row first; " + first +
           " is a byte's left dot";
}

std::size_t cellLayoutSize(int width, int height, CLayout layout) {
    if (layout == CLayout::Rows) return static_cast<std::size_t>(bytesFor(width) * height);
    return static_cast<std::size_t>(width * bytesFor(height));
}

template <typename Lit>
std::vector<std::uint8_t> cellLayoutBytes(int width, int height, CLayout layout, bool msbFirst,
                                          Lit lit) {
    std::vector<std::uint8_t> bytes(cellLayoutSize(width, height, layout), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!lit(x, y)) continue;
            const BitPlace place = placeOf(width, height, layout, x, y);
            bytes[place.byte] |=
                static_cast<std::uint8_t>(msbFirst ? 0x80 >> place.bit : 1 << place.bit);
        }
    }
    return bytes;
}

// Calls light(x, y) for each lit dot of a glyph's bytes.
template <typename Light>
void readCellLayout(const std::uint8_t* bytes, int width, int height, CLayout layout, bool msbFirst,
                    Light light) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BitPlace place = placeOf(width, height, layout, x, y);
            const int bit = msbFirst ? 7 - place.bit : place.bit;
            if (bytes[place.byte] >> bit & 1) light(x, y);
        }
    }
}

}  // namespace

std::string cBitmapExport(const state::BitmapFont& font, const CBitmapOptions& options) {
    checkLimits(font, FormatLimits{});
    if (font.glyphs.empty()) throw Failure(Cause::NoGlyphForCharacter, {});
    const FontCell cell = fontCell(font);
    const int width = std::max(cell.width, 1), height = std::max(cell.height, 1);
    const std::size_t size = cellLayoutSize(width, height, options.layout);
    const std::string count = std::to_string(font.glyphs.size());
    const std::string storage = options.progmem ? " PROGMEM" : "";
    const bool proportional = !monospaced(font);
    const bool sparse = !oneRun(font);
    std::string source =
        "/* " + fontSummary(font) + " from fontedit, " + characterSummary(font) +
        ",\n   in cells of " + cellText(width, height) + ": " +
        layoutSentence(options.layout, options.msbFirst, width, height) +
        ".\n   Each glyph's character and name follow its row." +
        (proportional ? "\n   " + options.name + "_widths holds each glyph's advance." : "") +
        (sparse ? "\n   " + options.name + "_characters holds each glyph's character." : "") +
        " */\n";
    if (options.progmem) source += progmemLines();
    const std::string table = options.name + "[" + count + "][" + std::to_string(size) + "]";
    source += "\nextern const unsigned char " + table + storage + ";\nconst unsigned char " +
              table + storage + " = {\n";
    std::string widths, characters;
    int widest = 0;
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const state::BitmapGlyph& glyph = font.glyphs[i];
        const std::vector<std::uint8_t> bytes =
            cellLayoutBytes(width, height, options.layout, options.msbFirst,
                            [&](int x, int y) { return cellDot(cell, glyph, x, y); });
        const std::string end = i + 1 < font.glyphs.size() ? "," : "";
        const std::string comment = " " + bitmapGlyphComment(glyph) + "\n";
        source += "    {" + byteList(bytes) + "}";
        widths += "    " + std::to_string(glyph.advance);
        characters += "    " + std::to_string(glyph.character);
        for (std::string* table : {&source, &widths, &characters}) {
            table->append(end).append(comment);
        }
        widest = std::max(widest, glyph.advance);
    }
    source += "};\n";
    if (proportional) {
        const std::string type = widest > UCHAR_MAX ? "unsigned short" : "unsigned char";
        const std::string declarator = options.name + "_widths[" + count + "]" + storage;
        source += "\nextern const " + type + " " + declarator + ";\nconst " + type + " " +
                  declarator + " = {\n" + widths + "};\n";
    }
    if (sparse) {
        const std::string type =
            font.glyphs.back().character > 0xFFFF ? "unsigned long" : "unsigned short";
        const std::string declarator = options.name + "_characters[" + count + "]" + storage;
        source += "\nextern const " + type + " " + declarator + ";\nconst " + type + " " +
                  declarator + " = {\n" + characters + "};\n";
    }
    return source;
}

namespace {

void checkCell(const TableBitmapOptions& options) {
    if (options.width < 1 || options.height < 1 || options.width > state::kMaxGlyphSide ||
        options.height > state::kMaxGlyphSide) {
        throw Failure(Cause::CellPastFormat,
                      {.value = cellText(options.width, options.height),
                       .needed = cellText(state::kMaxGlyphSide, state::kMaxGlyphSide)});
    }
}

// Glyphs of the cell from `bytes`, one after another from the first character; the table's
// baseline is unknown, so the bottom eighth of the cell hangs below it.
state::BitmapFont tableFont(const std::vector<std::uint8_t>& bytes, std::size_t count,
                            const TableBitmapOptions& options) {
    const std::size_t size = cellLayoutSize(options.width, options.height, options.layout);
    if (count > state::kMaxBitmapGlyphs || options.first + count - 1 > 0x10FFFF) {
        throw Failure(Cause::TooManyGlyphs,
                      {.code = static_cast<int>(std::min<std::size_t>(count, INT_MAX)),
                       .value = std::to_string(state::kMaxBitmapGlyphs)});
    }
    state::BitmapFont font;
    font.descent = options.height / 8;
    font.ascent = options.height - font.descent;
    font.glyphs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto character = static_cast<char32_t>(options.first + i);
        state::BitmapGlyph glyph = state::blankGlyph(character, options.width, options.height);
        glyph.name = characterName(character);
        glyph.bottom = -font.descent;
        readCellLayout(bytes.data() + options.offset + i * size, options.width, options.height,
                       options.layout, options.msbFirst,
                       [&](int x, int y) { glyph.setDot(x, y, true); });
        font.glyphs.push_back(std::move(glyph));
    }
    return font;
}

std::size_t glyphCount(std::size_t values, const TableBitmapOptions& options, int line) {
    const std::size_t size = cellLayoutSize(options.width, options.height, options.layout);
    if (options.offset > values) {
        throw Failure(Cause::OffsetPastEnd, {.line = line, .value = std::to_string(values)});
    }
    if ((values - options.offset) % size != 0) {
        throw Failure(Cause::PartialGlyph, {.line = line, .value = std::to_string(values)});
    }
    return (values - options.offset) / size;
}

}  // namespace

state::BitmapFont binaryBitmapImport(std::string_view bytes, const TableBitmapOptions& options) {
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    checkCell(options);
    const std::size_t count = glyphCount(bytes.size(), options, 0);
    return tableFont(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), count, options);
}

std::vector<std::uint8_t> listBytes(const CTokens& tokens, std::size_t open) {
    std::vector<std::uint8_t> values;
    for (std::size_t at = open; at < tokens.after(open); ++at) {
        const CToken token = tokens[at];
        if (token.kind == CToken::Kind::Punctuator &&
            (token.is('{') || token.is('}') || token.is(',')))
            continue;
        std::optional<std::uint64_t> value;
        if (token.kind == CToken::Kind::Number) value = integerConstant(token.text);
        if (token.kind == CToken::Kind::Character) value = characterConstant(token.text);
        if (token.kind == CToken::Kind::Identifier) value = arduinoBinary(token.text);
        if (token.kind == CToken::Kind::Conditional) {
            throw Failure(Cause::ConditionalInList,
                          {.line = tokens.line(at), .value = std::string(token.text)});
        }
        if (!value) {
            throw Failure(Cause::NotAConstant,
                          {.line = tokens.line(at), .value = std::string(token.text)});
        }
        if (*value > 0xFF) {
            throw Failure(Cause::NotAByte,
                          {.line = tokens.line(at), .value = std::string(token.text)});
        }
        values.push_back(static_cast<std::uint8_t>(*value));
    }
    return values;
}

state::BitmapFont cBitmapImport(std::string_view source, const TableBitmapOptions& options) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    checkCell(options);
    const CTokens tokens = cTokens(source);
    // The named array's list, or the list of the most values at the outermost level.
    std::size_t best = tokens.size();
    std::size_t bestValues = 0;
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        if (!tokens[at].is('{')) continue;
        const std::size_t end = tokens.after(at);
        if (options.array) {
            std::size_t name = at;
            while (name > 0 && !tokens[name - 1].is(';') && !tokens[name - 1].is('}')) {
                --name;
                if (tokens[name].kind == CToken::Kind::Identifier &&
                    tokens[name].text == *options.array) {
                    best = at;
                    break;
                }
            }
        } else {
            std::size_t values = 0;
            for (std::size_t i = at; i < end; ++i) {
                values += tokens[i].kind == CToken::Kind::Number ||
                          tokens[i].kind == CToken::Kind::Character;
            }
            if (values > bestValues) best = at, bestValues = values;
        }
        if (best == at && options.array) break;
        at = end - 1;
    }
    if (best == tokens.size()) {
        if (options.array) throw Failure(Cause::ArrayNotFound, {.value = *options.array});
        throw Failure(Cause::NoArray, {});
    }
    if (!tokens.closed(best)) throw Failure(Cause::ListNotClosed, {.line = tokens.line(best)});
    const std::vector<std::uint8_t> values = listBytes(tokens, best);
    return tableFont(values, glyphCount(values.size(), options, tokens.line(best)), options);
}

}  // namespace fontedit::formats
