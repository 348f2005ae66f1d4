#pragma once

// Values on the command line. Numbers are decimal, or hexadecimal after "0x"; never octal,
// never signed, so that "010" is ten and "-1" a usage error.
#include <CLI/CLI.hpp>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::cli {

std::optional<std::size_t> parseCount(std::string_view text);

// An option whose value parseCount reads into `target`; one outside smallest-largest is a
// usage error.
CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description, std::size_t smallest = 0);

// Accepts only one of `words` and turns it into its index there, for an enum option whose
// values are listed in the same order; the message of a usage error lists the words.
CLI::Validator oneOf(const std::vector<std::string>& words);

}  // namespace fontedit::cli
