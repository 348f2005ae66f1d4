#include "formats/c_source_export.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "formats/font_bytes.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using Layout = CSourceOptions::Layout;

std::uint8_t reversedBits(std::uint8_t byte) {
    std::uint8_t reversed = 0;
    for (int bit = 0; bit < 8; ++bit) reversed |= ((byte >> bit) & 1) << (7 - bit);
    return reversed;
}

std::array<std::uint8_t, state::kGlyphRows> rowBytes(const state::GlyphBytes& columns) {
    std::array<std::uint8_t, state::kGlyphRows> rows{};
    for (int row = 0; row < state::kGlyphRows; ++row) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            if (dotLit(columns[column], row)) rows[row] |= 1 << (state::kGlyphColumns - 1 - column);
        }
    }
    return rows;
}

std::string hexByte(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

// A label escaped as in any message, so that no byte or line end breaks the line, then kept
// from ending the comment, opening a nested one (a warning under -Wall) or holding a
// directional override that compilers warn about.
std::string commentText(std::string_view label) {
    std::string text = state::escapedBytes(label);
    replaceAll(text, "*/", "*\\x2F");
    replaceAll(text, "/*", "/\\x2A");
    constexpr std::array<char32_t, 11> kDirectionalMarks = {
        0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D, 0x202E, 0x2066, 0x2067, 0x2068, 0x2069};
    for (const char32_t mark : kDirectionalMarks) {
        const char utf8[] = {static_cast<char>(0xE0 | mark >> 12),
                             static_cast<char>(0x80 | (mark >> 6 & 0x3F)),
                             static_cast<char>(0x80 | (mark & 0x3F))};
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(mark));
        replaceAll(text, std::string_view(utf8, sizeof utf8), escape);
    }
    return text;
}

std::string glyphRow(const state::FontData& data, int code, bool last,
                     const CSourceOptions& options) {
    const state::GlyphBytes columns = glyphBytes(data, code);
    std::string row = "    {";
    const auto add = [&](std::uint8_t byte) {
        row += (row.back() == '{' ? "" : ", ") + hexByte(byte);
    };
    if (options.layout == Layout::Rows) {
        for (const std::uint8_t byte : rowBytes(columns)) add(byte);
    } else {
        for (const std::uint8_t byte : columns) add(options.msbTop ? reversedBits(byte) : byte);
    }
    return row + "}" + (last ? " " : ",") + " /* " + std::to_string(code) + " \"" +
           commentText(data.labels[code]) + "\" */\n";
}

// "33, 65-70": the codes in their order, each run of consecutive ones as its ends.
std::string codeList(const std::vector<int>& codes) {
    std::string list;
    for (std::size_t start = 0; start < codes.size();) {
        std::size_t end = start + 1;
        while (end < codes.size() && codes[end] == codes[end - 1] + 1) ++end;
        list += (list.empty() ? "" : ", ") + std::to_string(codes[start]);
        if (end - start > 1) list += "-" + std::to_string(codes[end - 1]);
        start = end;
    }
    return list;
}

}  // namespace

std::string layoutComment(const CSourceOptions& options) {
    if (options.layout == Layout::Rows) {
        return "one byte per dot row, top row first; bit 4 is the left column, bit 0 the right";
    }
    return options.msbTop ? "one byte per column, left first; bit 7 is the top dot"
                          : "one byte per column, left first; bit 0 is the top dot";
}

std::string cSourceBytes(const state::FontData& data, const CSourceOptions& options) {
    const std::vector<int> codes = options.codes.empty() ? allGlyphCodes() : options.codes;
    const std::string shape =
        "[" + std::to_string(codes.size()) + (options.layout == Layout::Rows ? "][8]" : "][5]");
    const std::string storage = options.progmem ? " PROGMEM" : "";
    const std::string what = codes == allGlyphCodes()
                                 ? "A 5 x 8 font of 96 glyphs"
                                 : "Glyphs " + codeList(codes) + " of a 5 x 8 font";
    std::string source = "/* " + what + " from fontedit,\n   " + layoutComment(options) +
                         ".\n   Each glyph's code and label follow its row. */\n";
    if (options.progmem) {
        // Elsewhere PROGMEM means nothing, unless a platform header has given it a meaning.
        source +=
            "#ifdef __AVR__\n#include <avr/pgmspace.h>\n#endif\n#ifndef PROGMEM\n#define PROGMEM\n"
            "#endif\n";
    }
    source += "\nextern const unsigned char " + options.name + shape + storage + ";\n";
    source += "const unsigned char " + options.name + shape + storage + " = {\n";
    for (std::size_t i = 0; i < codes.size(); ++i) {
        source += glyphRow(data, codes[i], i + 1 == codes.size(), options);
    }
    return source + "};\n";
}

bool isCIdentifier(std::string_view name) {
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (name.empty() || !letter(name[0])) return false;
    for (const char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

}  // namespace fontedit::formats
