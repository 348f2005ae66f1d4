#include <iostream>
#include <memory>
#include <vector>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "folder/font_folder.h"
#include "formats/own/header_export.h"
#include "messages/cell_notes.h"

namespace fontedit::cli {
namespace {

bool check(const std::filesystem::path& dir) {
    state::FontData data;
    // A cell the walk never reaches keeps this mark: only blanks the file holds are empty.
    for (auto& cells : data.cells) cells.fill("?");
    const std::vector<state::Failure> faults = folder::fontFaults(dir, data);
    // Columns never drawn are sound, as the window saves them; only font.h needs them filled.
    if (const auto note = messages::emptyCellsNote(formats::emptyCells(data), messages::english)) {
        std::cerr << "fontedit-cli: "
                  << state::escapedBytes(displayPath(dir, formats::kFontFileName)) << ": " << *note
                  << '\n';
    }
    for (const state::Failure& fault : faults) {
        std::cerr << "fontedit-cli: " << messages::englishMessage(fault) << '\n';
    }
    if (faults.empty()) return true;
    std::cerr << "fontedit-cli: " << faults.size() << (faults.size() == 1 ? " fault" : " faults")
              << " found\n";
    return false;
}

}  // namespace

void addCheckCommand(CLI::App& app) {
    auto dir = std::make_shared<std::string>(".");
    CLI::App* command = app.add_subcommand(
        "check", "Report every fault of the font files of DIR with file and line.");
    command->add_option("DIR", *dir, "the font's directory (default .)")->type_name("");
    command->callback([dir] {
        if (!check(*dir)) throw CLI::RuntimeError(1);
    });
}

}  // namespace fontedit::cli
