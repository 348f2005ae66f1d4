#include "cli/text_width.h"

#include <cstdint>

namespace fontedit::cli {
namespace {

struct Character {
    std::uint32_t codePoint;
    std::size_t length;
};

// A malformed sequence reads as a control character one byte long, so that it shows as '?'
// and the loop still advances.
Character decode(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC0 || pos + length > text.size()) return {0, 1};
    std::uint32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    }
    return {codePoint, length};
}

bool isWide(std::uint32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) || c >= 0x20000;
}

}  // namespace

std::string fitToWidth(std::string_view utf8, int width) {
    std::string fitted;
    int used = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Character character = decode(utf8, pos);
        const int columns = isWide(character.codePoint) ? 2 : 1;
        if (used + columns > width) break;
        if (character.codePoint < 0x20 || character.codePoint == 0x7F) {
            fitted.push_back('?');
        } else {
            fitted.append(utf8.substr(pos, character.length));
        }
        used += columns;
        pos += character.length;
    }
    fitted.append(static_cast<std::size_t>(width - used), ' ');
    return fitted;
}

}  // namespace fontedit::cli
