#include "formats/tables/c_source_export.h"

#include <string_view>

#include "formats/c/c_text.h"
#include "formats/common/font_bytes.h"

namespace fontedit::formats {
namespace {

using state::GlyphLayout;

std::uint8_t reversedBits(std::uint8_t byte) {
    std::uint8_t reversed = 0;
    for (int bit = 0; bit < 8; ++bit) reversed |= ((byte >> bit) & 1) << (7 - bit);
    return reversed;
}

std::string glyphRow(const state::FontData& data, int code, bool last,
                     const CSourceOptions& options) {
    const state::GlyphBytes columns = glyphBytes(data, code);
    std::string row = "    {";
    const auto add = [&](std::uint8_t byte) {
        row += (row.back() == '{' ? "" : ", ") + hexByte(byte);
    };
    if (options.layout == GlyphLayout::Rows) {
        for (const std::uint8_t byte : rowBytes(columns, options.msbLeft ? 7 : 4)) add(byte);
    } else {
        for (const std::uint8_t byte : columns) add(options.msbTop ? reversedBits(byte) : byte);
    }
    return row + "}" + (last ? " " : ",") + " " + glyphComment(code, data.labels[code]) + "\n";
}

}  // namespace

std::string layoutComment(const CSourceOptions& options) {
    if (options.layout == GlyphLayout::Rows) {
        return options.msbLeft ? "one byte per dot row, top row first; bit 7 is the left column, "
                                 "bit 3 the right"
                               : "one byte per dot row, top row first; bit 4 is the left column, "
                                 "bit 0 the right";
    }
    return options.msbTop ? "one byte per column, left first; bit 7 is the top dot"
                          : "one byte per column, left first; bit 0 is the top dot";
}

std::string cSourceBytes(const state::FontData& data, const CSourceOptions& options) {
    const std::vector<int> codes = options.codes.empty() ? allGlyphCodes() : options.codes;
    const std::string shape = "[" + std::to_string(codes.size()) +
                              (options.layout == GlyphLayout::Rows ? "][8]" : "][5]");
    const std::string storage = options.progmem ? " PROGMEM" : "";
    const std::string what = codes == allGlyphCodes()
                                 ? "A 5 x 8 font of 96 glyphs"
                                 : "Glyphs " + codeList(codes) + " of a 5 x 8 font";
    std::string source = "/* " + what + " from fontedit,\n   " + layoutComment(options) +
                         ".\n   Each glyph's code and label follow its row. */\n";
    if (options.progmem) {
        // Elsewhere PROGMEM means nothing, unless a platform header has given it a meaning.
        source += progmemLines();
    }
    source += "\nextern const unsigned char " + options.name + shape + storage + ";\n";
    source += "const unsigned char " + options.name + shape + storage + " = {\n";
    for (std::size_t i = 0; i < codes.size(); ++i) {
        source += glyphRow(data, codes[i], i + 1 == codes.size(), options);
    }
    return source + "};\n";
}

}  // namespace fontedit::formats
