// fontedit-cli: the editor's font files for scripts and builds, through the editor's own code.
#include <iostream>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/messages.h"

namespace {

using namespace fontedit::cli;

int run(const CommandLine& line) {
    switch (line.command) {
        case Command::Help:
            std::cout << usageText();
            return 0;
        case Command::Version:
            std::cout << "fontedit-cli " FONTEDIT_VERSION "\n";
            return 0;
        case Command::Export:
            exportCommand(line);
            return 0;
        case Command::Show:
            showCommand(line);
            return 0;
        case Command::Check:
            return checkCommand(line) ? 0 : 1;
        case Command::Import:
            importCommand(line);
            return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(parseCommandLine(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const UsageError& error) {
        std::cerr << "fontedit-cli: " << error.what()
                  << "\nTry 'fontedit-cli --help' for more information.\n";
        return 2;
    } catch (const fontedit::state::Failure& failure) {
        std::cerr << "fontedit-cli: " << englishMessage(failure) << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "fontedit-cli: " << error.what() << '\n';
        return 1;
    }
}
