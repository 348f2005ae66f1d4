#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/glyph_art.h"
#include "cli/option_values.h"
#include "cli/text_width.h"
#include "folder/font_folder.h"
#include "formats/own/font_files.h"
#include "messages/worded.h"
#include "pictures/text_glyphs.h"
#include "state/glyph_codes.h"

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
    std::vector<std::string> glyphs;  // codes or characters; none for the whole font
};

// One character, as render takes text: "A" or "é", not "AB".
bool isOneCharacter(std::string_view text) {
    return pictures::textGlyphs(text, [](int) { return std::string_view(); }).size() == 1;
}

// The directory may be left out before the glyphs; a directory named like a number or one
// character other than "." is then written "./12" or "./A".
ShowOptions showOptions(const std::vector<std::string>& operands) {
    ShowOptions options;
    auto operand = operands.begin();
    if (operand != operands.end() &&
        (*operand == "." || (!state::parseCount(*operand) && !isOneCharacter(*operand)))) {
        options.dir = *operand++;
    }
    options.glyphs.assign(operand, operands.end());
    return options;
}

// The glyph `text` names: a code, else the character the glyph labels or, failing that, its
// ASCII code minus 32; nothing, with the fault told, when it names none.
std::optional<int> glyphNamed(const std::string& text, const pictures::GlyphLookup& lookup) {
    if (!state::parseCount(text) && isOneCharacter(text)) {
        if (const auto code = lookup.glyphFor(text)) return code;
        std::cerr << "fontedit-cli show: CODE: '" << state::escapedBytes(text)
                  << "' stands for no glyph\n";
        return std::nullopt;
    }
    try {
        return state::parseGlyphCode(text);
    } catch (const state::Failure& fault) {
        std::cerr << "fontedit-cli show: CODE: " << messages::worded(fault, messages::english)
                  << '\n';
        return std::nullopt;
    }
}

// Every glyph that is named is shown, even when others are not.
void run(const ShowOptions& options) {
    const state::FontData data = folder::loadFont(options.dir);
    if (options.glyphs.empty()) {
        printSheet(data);
        return;
    }
    const pictures::GlyphLookup lookup(
        [&data](int code) -> std::string_view { return data.labels[code]; });
    bool shown = false;
    bool faulty = false;
    for (const std::string& text : options.glyphs) {
        const std::optional<int> code = glyphNamed(text, lookup);
        faulty = faulty || !code;
        if (!code) continue;
        if (shown) std::cout << '\n';
        printGlyph(data, *code);
        shown = true;
    }
    if (faulty) throw CLI::RuntimeError(1);
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
                     "the font's directory (default .), then glyph codes 0-95 or characters, "
                     "each the glyph it labels or else its ASCII code minus 32")
        ->type_name("");
    command->callback([operands] { run(showOptions(*operands)); });
}

}  // namespace fontedit::cli
