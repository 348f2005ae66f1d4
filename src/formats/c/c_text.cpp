#include "formats/c/c_text.h"

#include <array>
#include <cstdio>

#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::formats {
namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

}  // namespace

std::string hexByte(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string commentText(std::string_view label) {
    std::string text = state::escapedBytes(label);
    replaceAll(text, "*/", "*\\x2F");
    replaceAll(text, "/*", "/\\x2A");
    constexpr std::array<char32_t, 11> kDirectionalMarks = {
        0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D, 0x202E, 0x2066, 0x2067, 0x2068, 0x2069};
    for (const char32_t mark : kDirectionalMarks) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(mark));
        replaceAll(text, state::utf8Bytes(mark), escape);
    }
    return text;
}

std::string glyphComment(int code, std::string_view label) {
    return "/* " + std::to_string(code) + " \"" + commentText(label) + "\" */";
}

std::string byteList(const std::vector<std::uint8_t>& bytes) {
    std::string list;
    for (const std::uint8_t byte : bytes) list += (list.empty() ? "" : ", ") + hexByte(byte);
    return list;
}

std::string progmemLines() {
    return "#ifdef __AVR__\n#include <avr/pgmspace.h>\n#endif\n#ifndef PROGMEM\n#define PROGMEM\n"
           "#endif\n";
}

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

std::string cIdentifierFrom(std::string_view name) {
    std::string symbol = name.empty() || (name[0] >= '0' && name[0] <= '9') ? "_" : "";
    for (const char c : name) {
        const bool kept =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        symbol += kept ? c : '_';
    }
    return symbol;
}

std::string cStringLiteral(std::string_view bytes, std::string_view indent) {
    constexpr std::size_t kLineLength = 72;
    std::string text = std::string(indent) + '"';
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const bool nextIsDigit =
            at + 1 < bytes.size() && bytes[at + 1] >= '0' && bytes[at + 1] <= '7';
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\' && byte != '?') {
            text += static_cast<char>(byte);
        } else {
            // An octal escape takes up to three digits: a digit after a shorter one would join it.
            const int digits = nextIsDigit || byte >= 0100 ? 3 : byte >= 010 ? 2 : 1;
            text += '\\';
            for (int digit = digits - 1; digit >= 0; --digit) {
                text += static_cast<char>('0' + (byte >> 3 * digit & 7));
            }
        }
        if (text.size() - lineStart > kLineLength && at + 1 < bytes.size()) {
            text += "\"\n" + std::string(indent) + '"';
            lineStart = text.size();
        }
    }
    return text + '"';
}

std::string cFontString(std::string_view opening, std::string_view section, const std::string& name,
                        std::string_view bytes) {
    const std::string macro(section);
    const std::string declarator = name + "[" + std::to_string(bytes.size() + 1) + "]";
    return "/* " + std::string(opening) + " */\n#include <stdint.h>\n#ifndef " + macro +
           "\n#ifdef __AVR__\n#include <avr/pgmspace.h>\n#define " + macro +
           "(name) PROGMEM\n#else\n#define " + macro + "(name)\n#endif\n#endif\n\n" +
           "extern const uint8_t " + declarator + ";\nconst uint8_t " + declarator + " " + macro +
           "(\"" + name + "\") =\n" + cStringLiteral(bytes, "  ") + ";\n";
}

}  // namespace fontedit::formats
