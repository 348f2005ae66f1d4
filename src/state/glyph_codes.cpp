#include "state/glyph_codes.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "state/failure.h"
#include "state/tables.h"

namespace fontedit::state {

std::optional<std::size_t> parseCount(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::size_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

int parseGlyphCode(std::string_view text) {
    const auto value = parseCount(text);
    if (!value || *value >= static_cast<std::size_t>(kSavedCodes)) {
        throw Failure(Cause::NotAGlyphCode, {.value = std::string(text)});
    }
    return static_cast<int>(*value);
}

std::vector<int> parseCodeList(std::string_view text) {
    std::vector<int> codes;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        const std::size_t dash = part.find('-');
        const int first = parseGlyphCode(part.substr(0, dash));
        const int last = dash == part.npos ? first : parseGlyphCode(part.substr(dash + 1));
        if (last < first) throw Failure(Cause::CodesRunBackwards, {.value = std::string(part)});
        for (int value = first; value <= last; ++value) {
            if (std::find(codes.begin(), codes.end(), value) != codes.end()) {
                throw Failure(Cause::CodeGivenTwice, {.code = value});
            }
            codes.push_back(value);
        }
        start = end + 1;
    }
    return codes;
}

}  // namespace fontedit::state
