#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/glyph_art.h"
#include "cli/messages.h"
#include "cli/option_values.h"
#include "cli/text_width.h"
#include "folder/font_folder.h"
#include "formats/font_files.h"

namespace fontedit::cli {
namespace {

// Ten glyphs to a band keeps the sheet within 80 columns and each band one decade of codes.
constexpr int kSheetGlyphs = 10;
constexpr int kSheetCell = 7;

void printGlyph(const state::FontData& data, int code) {
    const GlyphColumns& columns = data.cells[code];
    std::cout << code << " \"" << data.labels[code] << "\" ";
    for (std::size_t column = 0; column < columns.size(); ++column) {
        std::cout << (column == 0 ? " " : ", ") << columns[column];
    }
    std::cout << '\n';
    for (int row = 0; row < state::kGlyphRows; ++row) std::cout << glyphRow(columns, row) << '\n';
}

std::string withoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void printSheet(const state::FontData& data) {
    for (int first = 0; first < state::kSavedCodes; first += kSheetGlyphs) {
        const int last = std::min(first + kSheetGlyphs, state::kSavedCodes);
        std::string header;
        for (int code = first; code < last; ++code) {
            const std::string number = std::to_string(code);
            header += std::string(2 - std::min<std::size_t>(2, number.size()), ' ') + number + ' ' +
                      fitToWidth(data.labels[code], kSheetCell - 3);
        }
        std::cout << (first == 0 ? "" : "\n") << withoutTrailingBlanks(header) << '\n';
        for (int row = 0; row < state::kGlyphRows; ++row) {
            std::string art;
            for (int code = first; code < last; ++code) {
                art += glyphRow(data.cells[code], row) + "  ";
            }
            std::cout << withoutTrailingBlanks(art) << '\n';
        }
    }
}

struct ShowOptions {
    std::filesystem::path dir = ".";
    std::vector<int> codes;  // none for the whole font
};

// The directory may be left out before the codes; a directory named like a number is then
// written "./12".
ShowOptions showOptions(const std::vector<std::string>& operands) {
    ShowOptions options;
    auto operand = operands.begin();
    if (operand != operands.end() && !parseCount(*operand)) options.dir = *operand++;
    for (; operand != operands.end(); ++operand) {
        options.codes.push_back(parseGlyphCode(*operand, "CODE"));
    }
    return options;
}

void run(const ShowOptions& options) {
    const state::FontData data = folder::loadFont(options.dir);
    if (options.codes.empty()) {
        printSheet(data);
        return;
    }
    for (std::size_t i = 0; i < options.codes.size(); ++i) {
        if (i > 0) std::cout << '\n';
        printGlyph(data, options.codes[i]);
    }
}

}  // namespace

void addShowCommand(CLI::App& app) {
    auto operands = std::make_shared<std::vector<std::string>>();
    CLI::App* command = app.add_subcommand(
        "show",
        "Print glyphs as text art with code, label and column bytes; with no CODE, the "
        "whole font as a sheet.");
    command
        ->add_option("DIR/CODE", *operands,
                     "the font's directory (default .), then glyph codes 0-95")
        ->type_name("");
    command->callback([operands] { run(showOptions(*operands)); });
}

}  // namespace fontedit::cli
