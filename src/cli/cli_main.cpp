// fontedit-cli: the editor's font files for scripts and builds, through the editor's own code.
#include <iostream>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/option_values.h"
#include "cli/output.h"

namespace {

using namespace fontedit::cli;

constexpr const char* kFooter =
    R"(DIR is the directory of the font files "fntdat.txt" and "mojidat.txt"; it defaults to
the working directory. Numbers are decimal, or hexadecimal after "0x".
Run 'fontedit-cli COMMAND --help' for the options of a command.

Exit status: 0 on success, 1 when the input is faulty, 2 on wrong usage.)";

// The command the user was giving when the parser stopped, for the message of a usage error.
std::string commandName(const CLI::App& app) {
    std::string name = app.get_name();
    for (const CLI::App* command = &app; !command->get_subcommands().empty();) {
        command = command->get_subcommands().back();
        name += ' ' + command->get_name();
    }
    return name;
}

// CLI11 reports a word that names no command only as a missing command; `first` is the
// first argument, if any.
std::string usageMessage(const CLI::App& app, const CLI::ParseError& error, const char* first) {
    if (!app.get_subcommands().empty() || first == nullptr) return error.what();
    const std::string word = first;
    return (word.starts_with("-") ? "unknown option '" : "unknown command '") + word + "'";
}

int usageError(const CLI::App& app, const CLI::ParseError& error, const char* first) {
    const std::string command = commandName(app);
    const std::string shown = fontedit::state::escapedBytes(command);
    const std::string message = usageMessage(app, error, first);
    const bool escaped = dynamic_cast<const WordedUsageError*>(&error) != nullptr;
    std::cerr << shown << ": " << (escaped ? message : fontedit::state::escapedBytes(message))
              << "\nRun '" << shown << " --help' for more information.\n";
    return 2;
}

int run(int argc, char** argv) {
    CLI::App app("Works on the font files of the 5 x 8 bitmap font editor fontedit.",
                 "fontedit-cli");
    app.footer(kFooter);
    app.set_version_flag("--version", "fontedit-cli " FONTEDIT_VERSION);
    app.require_subcommand(1);
    addExportCommand(app);
    addRenderCommand(app);
    addShowCommand(app);
    addCheckCommand(app);
    addImportCommand(app);
    addConvertCommand(app);
    try {
        app.parse(argc, argv);
        return 0;
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::RuntimeError& faultsReported) {
        return faultsReported.get_exit_code();
    } catch (const CLI::ParseError& error) {
        return usageError(app, error, argc > 1 ? argv[1] : nullptr);
    } catch (const fontedit::state::Failure& failure) {
        std::cerr << "fontedit-cli: " << fontedit::messages::englishMessage(failure) << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "fontedit-cli: " << fontedit::state::escapedBytes(error.what()) << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int status = run(argc, argv);
    // A failure has been told already; lost output would only be a second line about it.
    return status == 0 && !standardOutputWritten() ? 1 : status;
}
