#pragma once

// Values on the command line, numbers as state::parseCount reads them.
#include <CLI/CLI.hpp>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/font_import.h"
#include "state/glyph_bytes.h"
#include "state/glyph_codes.h"

namespace fontedit::cli {

// An option whose value parseCount reads into `target`; one outside smallest-largest is a
// usage error.
CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description, std::size_t smallest = 0);

// Refuses a value that `accepts` turns down, saying "'VALUE' " and then `why`.
CLI::Validator acceptedBy(std::function<bool(const std::string&)> accepts, const std::string& why);

// A usage error worded from a failure, whose message has every outside byte escaped already.
class WordedUsageError : public CLI::ValidationError {
    using CLI::ValidationError::ValidationError;
};

// state::parseCodeList, whose failures are usage errors of `option`.
std::vector<int> parseCodeList(std::string_view text, const std::string& option);

// Accepts only the words of `words`, in the order given, and turns each into its value, for an
// enum option; the message of a usage error lists the words.
template <typename Value>
CLI::Validator wordFor(std::vector<std::pair<std::string, Value>> words) {
    std::string list;
    for (const auto& word : words) list += (list.empty() ? "" : ", ") + word.first;
    return CLI::Validator(
        [words = std::move(words), list](std::string& text) -> std::string {
            for (const auto& [word, value] : words) {
                if (word == text) {
                    text = std::to_string(static_cast<long long>(value));
                    return {};
                }
            }
            return "'" + text + "' is none of " + list;
        },
        "");
}

// The words an option takes, each turned into its value (wordFor), and what its help calls
// the value.
struct OptionWords {
    CLI::Validator values;
    std::string kind;
};

// An option whose value is one of `words`.
template <typename Value>
CLI::Option* addWordOption(CLI::App& command, const std::string& name, Value& target,
                           const std::string& description, const OptionWords& words) {
    return command.add_option(name, target, description)
        ->transform(words.values)
        ->option_text(words.kind);
}

// columns or rows, for --layout.
OptionWords layoutWords();

// unicode or jisx0201, for --charset.
OptionWords charsetWords();

}  // namespace fontedit::cli
