#pragma once

// The command line of fontedit-cli: which subcommand, on which directory, with which options.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::cli {

enum class Command { Help, Version, Export, Show, Check, Import };

struct CommandLine {
    Command command = Command::Help;
    std::filesystem::path dir = ".";
    std::filesystem::path source;       // import: the C file
    std::vector<int> codes;             // show: the glyphs asked for, none for the whole font
    std::optional<std::string> output;  // export: -o FILE, "-" for standard output
    std::size_t offset = 0;             // import: index of the first value taken
    bool force = false;                 // import: replace existing font files
};

// Wrong usage; reported with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// A decimal number, or a hexadecimal one after "0x"; nothing for any other text.
std::optional<std::size_t> parseCount(std::string_view text);

std::string usageText();

}  // namespace fontedit::cli
