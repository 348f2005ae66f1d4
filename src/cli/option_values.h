#pragma once

// Values on the command line. Numbers are decimal, or hexadecimal after "0x"; never octal,
// never signed, so that "010" is ten and "-1" a usage error.
#include <CLI/CLI.hpp>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "state/glyph_bytes.h"

namespace fontedit::cli {

std::optional<std::size_t> parseCount(std::string_view text);

// An option whose value parseCount reads into `target`; one outside smallest-largest is a
// usage error.
CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description, std::size_t smallest = 0);

// A glyph code 0-95, as show and export --codes take it; anything else is a usage error of
// `option`.
int parseGlyphCode(std::string_view text, const std::string& option);

// "0-7" or "33,65-70": glyph codes 0-95 and runs of them, in the order given, none twice.
// Anything else is a usage error of `option` naming the part at fault.
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

// columns or rows, for --layout.
CLI::Validator layoutWords();

}  // namespace fontedit::cli
