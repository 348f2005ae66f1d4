#include "cli/text_width.h"

#include <cstdint>

#include "state/utf8.h"

namespace fontedit::cli {
namespace {

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
        // A byte that forms no sequence reads as U+0000 one byte long, so that it shows as '?'
        // and the loop still advances.
        const state::Utf8Sequence character = state::utf8Sequence(utf8.substr(pos));
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
