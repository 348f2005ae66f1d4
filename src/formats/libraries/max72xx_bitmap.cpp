#include <algorithm>

#include "formats/c/c_text.h"
#include "formats/c/c_tokens.h"
#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "formats/libraries/max72xx.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// Version 1 states characters in a byte; version 2 in two, high byte first.
constexpr char32_t kVersion1Last = 0xFF;
constexpr int kMostColumns = 0xFF;

// The glyph's columns from the cell's left: its dots, or its advance less the one blank
// column the library puts between characters, whichever reaches further.
int columnsOf(const FontCell& cell, const state::BitmapGlyph& glyph) {
    const int inked = glyph.width > 0 ? glyph.left + glyph.width : 0;
    return std::clamp(std::max(inked, glyph.advance - 1) - cell.left, 0, kMostColumns);
}

}  // namespace

std::string max72xxBitmapExport(const state::BitmapFont& font,
                                const Max72xxBitmapOptions& options) {
    checkLimits(font, kMax72xxLimits);
    if (font.glyphs.empty()) throw Failure(Cause::NoGlyphForCharacter, {});
    const std::string& symbol = options.name;
    const FontCell cell = fontCell(font);
    const char32_t first = font.glyphs.front().character, last = font.glyphs.back().character;
    const bool wide = last > kVersion1Last;
    const auto character = [&](char32_t c) {
        return wide ? std::to_string(c >> 8) + ", " + std::to_string(c & 0xFF) : std::to_string(c);
    };
    std::string source =
        "/* " + fontSummary(font) + " from fontedit for MD_MAX72XX and MD_Parola: setFont(" +
        symbol + "),\n   " + characterSummary(font) +
        "; each glyph is its width and its column bytes, left first; bit 0 is the top\n"
        "   dot. Each glyph's character and name follow it. */\n" +
        progmemLines() +
        // The library's type in C++, where the sketch has included MD_MAX72xx.h; bytes in C.
        "#ifdef __cplusplus\n#define " + symbol +
        "_type MD_MAX72XX::fontType_t\n#else\n#include <stdint.h>\n#define " + symbol +
        "_type const uint8_t\n#endif\n\n" + symbol + "_type " + symbol +
        "[] PROGMEM = {\n    'F', " + (wide ? "2, " : "1, ") + character(first) + ", " +
        character(last) + ", " + std::to_string(cell.height) + ",\n";
    auto next = font.glyphs.begin();
    for (char32_t c = first; c <= last; ++c) {
        const std::string end = c < last ? ", " : " ";
        if (next->character != c) {
            source += "    0" + end + "/* " + codePointText(c) + " */\n";
            continue;
        }
        const state::BitmapGlyph& glyph = *next++;
        const int columns = columnsOf(cell, glyph);
        std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(columns)};
        for (int x = 0; x < columns; ++x) {
            std::uint8_t byte = 0;
            for (int y = 0; y < cell.height; ++y) {
                if (cellDot(cell, glyph, x, y)) byte = static_cast<std::uint8_t>(byte | 1 << y);
            }
            bytes.push_back(byte);
        }
        source += "    " + byteList(bytes) + end + bitmapGlyphComment(glyph) + "\n";
    }
    return source + "};\n#undef " + symbol + "_type\n";
}

// The first list that is such a table: its header, then glyphs filling it to its last byte.
state::BitmapFont max72xxBitmapImport(std::string_view source) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    const CTokens tokens = cTokens(source);
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        if (!tokens[at].is('{')) continue;
        const std::size_t end = tokens.after(at);
        const std::size_t open = at;
        std::vector<std::uint8_t> v;
        try {
            v = listBytes(tokens, at);
        } catch (const Failure&) {
            at = end - 1;
            continue;
        }
        at = end - 1;
        if (v.size() < 5 || v[0] != kMax72xxTableMark || (v[1] != 1 && v[1] != 2)) continue;
        const bool wide = v[1] == 2;
        if (wide && v.size() < 7) continue;
        const char32_t first = wide ? static_cast<char32_t>(v[2] << 8 | v[3]) : v[2];
        const char32_t last = wide ? static_cast<char32_t>(v[4] << 8 | v[5]) : v[3];
        const int height = wide ? v[6] : v[4];
        std::size_t place = wide ? 7 : 5;
        if (last < first || height == 0 || height > kMax72xxHighest) continue;
        state::BitmapFont font{.ascent = height - 1, .descent = 1, .glyphs = {}, .family = {}};
        bool whole = true;
        for (char32_t c = first; c <= last && whole; ++c) {
            if (place >= v.size()) {
                whole = false;
                break;
            }
            const int width = v[place++];
            if (place + static_cast<std::size_t>(width) > v.size()) {
                whole = false;
                break;
            }
            if (width == 0) continue;
            if (width > state::kMaxGlyphSide) {
                throw Failure(Cause::CellPastFormat,
                              {.line = tokens.line(open),
                               .value = cellText(width, height),
                               .needed = cellText(state::kMaxGlyphSide, kMax72xxHighest)});
            }
            state::BitmapGlyph glyph = state::blankGlyph(c, width, height);
            glyph.name = characterName(c);
            glyph.bottom = -font.descent;
            glyph.advance = width + 1;
            for (int x = 0; x < width; ++x, ++place) {
                for (int y = 0; y < height; ++y) glyph.setDot(x, y, v[place] >> y & 1);
            }
            font.glyphs.push_back(std::move(glyph));
        }
        if (whole && place == v.size()) return font;
    }
    throw Failure(Cause::NoFontArray, {});
}

}  // namespace fontedit::formats
