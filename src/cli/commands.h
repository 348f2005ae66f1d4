#pragma once

// The subcommands of fontedit-cli, each declared on the program's CLI11 app with its own
// options. A command's callback does the work and fails with state::Failure;
// one that ends with faults already reported throws CLI::RuntimeError(1).
#include <CLI/CLI.hpp>

namespace fontedit::cli {

void addExportCommand(CLI::App& app);
void addRenderCommand(CLI::App& app);
void addShowCommand(CLI::App& app);
void addCheckCommand(CLI::App& app);
void addImportCommand(CLI::App& app);
void addConvertCommand(CLI::App& app);

}  // namespace fontedit::cli
