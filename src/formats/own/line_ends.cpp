#include "formats/own/line_ends.h"

#include <algorithm>

namespace fontedit::formats {

std::size_t lineEndLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '\n') return 1;
    if (text[pos] != '\r') return 0;
    return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
}

std::vector<std::string_view> splitLines(std::string_view text, std::size_t most) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (lines.size() < most && start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + lineEndLength(text, end);
    }
    return lines;
}

}  // namespace fontedit::formats
