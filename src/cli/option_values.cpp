#include "cli/option_values.h"

#include <algorithm>
#include <charconv>
#include <limits>

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

CLI::Validator oneOf(const std::vector<std::string>& words) {
    std::string list;
    for (const std::string& word : words) list += (list.empty() ? "" : ", ") + word;
    return CLI::Validator(
        [words, list](std::string& text) -> std::string {
            const auto found = std::find(words.begin(), words.end(), text);
            if (found == words.end()) return "'" + text + "' is none of " + list;
            text = std::to_string(found - words.begin());
            return {};
        },
        "");
}

}  // namespace fontedit::cli
