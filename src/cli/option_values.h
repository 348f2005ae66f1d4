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

// Accepts what parseCount reads and is at most `largest`.
CLI::Validator countUpTo(std::size_t largest);

// An option whose value parseCount reads into `target`.
CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description);

// Accepts only one of `words` and turns it into its index there, for an enum option whose
// values are listed in the same order; the message of a usage error lists the words.
CLI::Validator oneOf(const std::vector<std::string>& words);

}  // namespace fontedit::cli
