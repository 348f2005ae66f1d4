#include "cli/option_values.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "state/tables.h"

namespace fontedit::cli {

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

int parseGlyphCode(std::string_view text, const std::string& option) {
    const auto value = parseCount(text);
    if (!value || *value >= static_cast<std::size_t>(state::kSavedCodes)) {
        throw CLI::ValidationError(option, "'" + std::string(text) + "' is not a glyph code 0-95");
    }
    return static_cast<int>(*value);
}

std::vector<int> parseCodeList(std::string_view text, const std::string& option) {
    const auto code = [&](std::string_view part) { return parseGlyphCode(part, option); };
    std::vector<int> codes;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        const std::size_t dash = part.find('-');
        const int first = code(part.substr(0, dash));
        const int last = dash == part.npos ? first : code(part.substr(dash + 1));
        if (last < first) {
            throw CLI::ValidationError(option, "'" + std::string(part) + "' runs backwards");
        }
        for (int value = first; value <= last; ++value) {
            if (std::find(codes.begin(), codes.end(), value) != codes.end()) {
                throw CLI::ValidationError(option,
                                           "'" + std::to_string(value) + "' is given twice");
            }
            codes.push_back(value);
        }
        start = end + 1;
    }
    return codes;
}

namespace {

CLI::Validator countBetween(std::size_t smallest, std::size_t largest) {
    return CLI::Validator(
        [smallest, largest](const std::string& text) -> std::string {
            const auto count = parseCount(text);
            if (!count) return "'" + text + "' is not a number";
            if (*count < smallest) return "'" + text + "' is less than " + std::to_string(smallest);
            if (*count > largest) return "'" + text + "' is more than " + std::to_string(largest);
            return {};
        },
        largest == std::numeric_limits<std::size_t>::max()
            ? ""
            : std::to_string(smallest) + "-" + std::to_string(largest));
}

}  // namespace

CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description, std::size_t smallest) {
    return command
        .add_option_function<std::string>(
            name, [&target](const std::string& text) { target = parseCount(text); }, description)
        ->check(countBetween(smallest, largest));
}

CLI::Validator layoutWords() {
    return wordFor<state::GlyphLayout>(
        {{"columns", state::GlyphLayout::Columns}, {"rows", state::GlyphLayout::Rows}});
}

}  // namespace fontedit::cli
