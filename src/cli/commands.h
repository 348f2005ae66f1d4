#pragma once

// The subcommands of fontedit-cli. Each fails with state::Failure or InputError.
#include "cli/command_line.h"

namespace fontedit::cli {

void exportCommand(const CommandLine& line);
void showCommand(const CommandLine& line);
// Reports every fault on standard error; true when there was none.
bool checkCommand(const CommandLine& line);
void importCommand(const CommandLine& line);

}  // namespace fontedit::cli
