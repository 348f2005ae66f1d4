#include "cli/option_values.h"

#include <limits>
#include <utility>

#include "messages/worded.h"

namespace fontedit::cli {

namespace {

CLI::Validator countBetween(std::size_t smallest, std::size_t largest) {
    return CLI::Validator(
        [smallest, largest](const std::string& text) -> std::string {
            const auto count = state::parseCount(text);
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

std::vector<int> parseCodeList(std::string_view text, const std::string& option) {
    try {
        return state::parseCodeList(text);
    } catch (const state::Failure& failure) {
        throw WordedUsageError(option, messages::worded(failure, messages::english));
    }
}

CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description, std::size_t smallest) {
    return command
        .add_option_function<std::string>(
            name, [&target](const std::string& text) { target = state::parseCount(text); },
            description)
        ->check(countBetween(smallest, largest));
}

CLI::Validator acceptedBy(std::function<bool(const std::string&)> accepts, const std::string& why) {
    return CLI::Validator(
        [accepts = std::move(accepts), why](const std::string& text) {
            return accepts(text) ? std::string() : "'" + text + "' " + why;
        },
        "");
}

OptionWords layoutWords() {
    return {wordFor<state::GlyphLayout>(
                {{"columns", state::GlyphLayout::Columns}, {"rows", state::GlyphLayout::Rows}}),
            "LAYOUT"};
}

OptionWords charsetWords() {
    return {wordFor<formats::ImportOptions::Charset>(
                {{"unicode", formats::ImportOptions::Charset::Unicode},
                 {"jisx0201", formats::ImportOptions::Charset::JisX0201}}),
            "CHARSET"};
}

}  // namespace fontedit::cli
