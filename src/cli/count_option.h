#pragma once

// Numbers on the command line: decimal, or hexadecimal after "0x"; never octal, never signed,
// so that "010" is ten and "-1" a usage error.
#include <CLI/CLI.hpp>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fontedit::cli {

std::optional<std::size_t> parseCount(std::string_view text);

// Accepts what parseCount reads and is at most `largest`.
CLI::Validator countUpTo(std::size_t largest);

// An option whose value parseCount reads into `target`.
CLI::Option* addCountOption(CLI::App& command, const std::string& name,
                            std::optional<std::size_t>& target, std::size_t largest,
                            const std::string& description);

}  // namespace fontedit::cli
