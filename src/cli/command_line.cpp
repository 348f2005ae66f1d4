#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "state/tables.h"

namespace fontedit::cli {
namespace {

struct CommandForm {
    std::string_view name;
    Command command;
    std::size_t fewestOperands;
    std::size_t mostOperands;
    std::string_view options;  // the long names it takes, blank-separated
};

constexpr std::size_t kAny = static_cast<std::size_t>(-1);

constexpr std::array<CommandForm, 4> kCommands = {{
    {"export", Command::Export, 0, 1, "output"},
    {"show", Command::Show, 0, kAny, ""},
    {"check", Command::Check, 0, 1, ""},
    {"import", Command::Import, 1, 2, "offset force"},
}};

const CommandForm& commandForm(std::string_view name) {
    const auto* found = std::find_if(kCommands.begin(), kCommands.end(),
                                     [&](const CommandForm& form) { return form.name == name; });
    if (found == kCommands.end()) throw UsageError("unknown command '" + std::string(name) + "'");
    return *found;
}

constexpr std::string_view kAllOptions = "output offset force";

bool listed(std::string_view options, std::string_view option) {
    std::string_view rest = options;
    while (!rest.empty()) {
        const std::size_t blank = std::min(rest.find(' '), rest.size());
        if (rest.substr(0, blank) == option) return true;
        rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
    return false;
}

// Options may stand anywhere after the command; "--" ends them.
class ArgumentReader {
public:
    ArgumentReader(const std::vector<std::string>& args, const CommandForm& form)
        : args_(args), form_(form) {}

    void read(CommandLine& line, std::vector<std::string>& operands) {
        bool optionsEnded = false;
        for (next_ = 1; next_ < args_.size();) {
            const std::string& arg = args_[next_++];
            if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
                operands.push_back(arg);
            } else if (arg == "--") {
                optionsEnded = true;
            } else {
                readOption(arg, line);
            }
        }
    }

private:
    void readOption(const std::string& arg, CommandLine& line) {
        std::string name;
        std::optional<std::string> value;
        if (arg.starts_with("--")) {
            const std::size_t equals = arg.find('=');
            name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            if (equals != std::string::npos) value = arg.substr(equals + 1);
        } else if (arg.starts_with("-o")) {
            name = "output";
            if (arg.size() > 2) value = arg.substr(2);
        } else if (arg == "-f") {
            name = "force";
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
        if (!listed(kAllOptions, name)) throw UsageError("unknown option '" + arg + "'");
        if (!listed(form_.options, name)) {
            throw UsageError(std::string(form_.name) + " takes no option '" + arg + "'");
        }
        if (name == "force") {
            if (value) throw UsageError("option '--force' takes no value");
            line.force = true;
            return;
        }
        if (!value) {
            if (next_ >= args_.size()) throw UsageError("option '" + arg + "' needs a value");
            value = args_[next_++];
        }
        if (name == "output") {
            line.output = *value;
        } else {
            const auto offset = parseCount(*value);
            if (!offset) throw UsageError("offset '" + *value + "' is not a number");
            line.offset = *offset;
        }
    }

    const std::vector<std::string>& args_;
    const CommandForm& form_;
    std::size_t next_ = 1;
};

std::optional<int> glyphCode(const std::string& text) {
    const auto code = parseCount(text);
    if (!code || *code >= static_cast<std::size_t>(state::kSavedCodes)) return std::nullopt;
    return static_cast<int>(*code);
}

void takeOperands(const CommandForm& form, std::vector<std::string> operands, CommandLine& line) {
    if (operands.size() < form.fewestOperands) {
        throw UsageError(std::string(form.name) + " needs a file");
    }
    if (operands.size() > form.mostOperands) {
        throw UsageError(std::string(form.name) + " takes no operand '" +
                         operands[form.mostOperands] + "'");
    }
    auto operand = operands.begin();
    if (form.command == Command::Import) line.source = *operand++;
    // The directory of show may be left out before the codes; a directory named like a
    // number is then written "./12".
    if (operand != operands.end() && (form.command != Command::Show || !parseCount(*operand))) {
        line.dir = *operand++;
    }
    for (; operand != operands.end(); ++operand) {
        const auto code = glyphCode(*operand);
        if (!code) throw UsageError("'" + *operand + "' is not a glyph code 0-95");
        line.codes.push_back(*code);
    }
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) return line;
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        line.command = Command::Version;
        return line;
    }
    if (args.empty()) throw UsageError("no command given");
    if (args[0].starts_with("-")) throw UsageError("unknown option '" + args[0] + "'");
    const CommandForm& form = commandForm(args[0]);
    line.command = form.command;
    std::vector<std::string> operands;
    ArgumentReader(args, form).read(line, operands);
    takeOperands(form, std::move(operands), line);
    return line;
}

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

std::string usageText() {
    return R"(Usage: fontedit-cli COMMAND [OPTION]... [OPERAND]...
Works on the font files "fntdat.txt" and "mojidat.txt" of the editor fontedit.
DIR is the directory holding them; it defaults to the working directory.

Commands:
  export [-o FILE] [DIR]     write DIR/font.h exactly as the editor's export does;
                             -o FILE writes FILE instead, -o - standard output
  show [DIR] [CODE]...       print glyphs as text art with code, label and column bytes;
                             with no CODE, the whole font as a sheet
  check [DIR]                report every fault of the font files with file and line
  import [--offset N] [--force] FILE.c [DIR]
                             take 96 x 5 bytes from the first brace-enclosed list of
                             integers in FILE.c, starting at value N (default 0), and
                             write them as the font files of DIR; at N = 0x20 x 5 = 160,
                             a table indexed by character code, the labels are the
                             characters; --force replaces existing font files

CODE and N are decimal, or hexadecimal after "0x".

Options:
  --help      show this help and exit
  --version   show the version and exit

Exit status: 0 on success, 1 when the input is faulty, 2 on wrong usage.
)";
}

}  // namespace fontedit::cli
