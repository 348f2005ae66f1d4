#include <iostream>
#include <memory>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/export_formats.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "messages/cell_notes.h"
#include "state/joined.h"

namespace fontedit::cli {
namespace {

struct ExportOptions {
    formats::ExportFormat format = formats::ExportFormat::Header;
    std::optional<std::string> output;
    std::string dir = ".";
    formats::ExportSettings settings;
    std::optional<std::size_t> first;
    std::optional<std::size_t> scale;
    std::optional<std::string> codes;
};

void run(const ExportOptions& options) {
    const std::filesystem::path dir(options.dir);
    const state::FontData data = folder::loadFont(dir);
    if (options.format == formats::ExportFormat::Header) {
        if (const auto note =
                messages::headerEmptyCellsNote(formats::emptyCells(data), messages::english)) {
            std::cerr << "fontedit-cli: " << *note << '\n';
        }
    }
    if (options.format == formats::ExportFormat::Header && !options.output) {
        // The editor's own export, written as it writes it.
        folder::exportHeader(data, dir);
        return;
    }
    // A cell that is not a byte is a fault of the font file.
    std::string bytes;
    inFile((dir / formats::kFontFileName).string(),
           [&] { bytes = formats::exportBytes(options.format, data, options.settings); });
    const std::string_view fileName = formats::formatInfo(options.format).fileName;
    writeOutput(options.output.value_or((dir / fileName).string()), bytes);
}

// "c and bin": the --format words of the formats that take `setting`.
std::string formatsTaking(std::uint32_t setting) {
    std::vector<std::string> words;
    for (const formats::FormatInfo& info : formats::exportFormats()) {
        if ((info.takes & setting) != 0) words.emplace_back(info.word);
    }
    return state::joined(words, ", ", " and ");
}

std::string formatHelp() {
    std::vector<std::string> formats;
    for (const formats::FormatInfo& info : formats::exportFormats()) {
        formats.push_back(std::string(info.word) + ": " + std::string(info.exportSummary));
    }
    return state::joined(formats, "; ");
}

std::string defaultFilesHelp() {
    std::vector<std::string> files;
    for (const formats::FormatInfo& info : formats::exportFormats()) {
        files.push_back("DIR/" + std::string(info.fileName));
    }
    return state::joined(files, ", ");
}

}  // namespace

void addExportCommand(CLI::App& app) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand(
        "export",
        "Write the font of DIR for other programs, by default as DIR/font.h exactly as "
        "the editor's export does.");
    std::vector<std::pair<std::string, formats::ExportFormat>> words;
    for (const formats::FormatInfo& info : formats::exportFormats()) {
        words.emplace_back(info.word, info.format);
    }
    addWordOption(*command, "--format", options->format, formatHelp(),
                  {wordFor(std::move(words)), "FORMAT"});
    command
        ->add_option("-o,--output", options->output,
                     "the file to write, - for standard output; by default " + defaultFilesHelp())
        ->type_name("FILE");
    formats::CSourceOptions& c = options->settings.c;
    CLI::Option* name =
        command->add_option("--name", c.name, "the table's name (default Font)")
            ->check(acceptedBy([](const std::string& text) { return formats::isCIdentifier(text); },
                               "is not a C identifier"))
            ->type_name("NAME");
    CLI::Option* progmem = command->add_flag(
        "--progmem", c.progmem, "put the table in program memory (PROGMEM) when built for AVR");
    CLI::Option* layout =
        addWordOption(*command, "--layout", c.layout,
                      "columns ([96][5], a byte per column) or rows ([96][8], a byte per dot row, "
                      "top first, bit 4 the left column, as a character LCD's CGRAM takes)",
                      layoutWords());
    CLI::Option* msbTop =
        command->add_flag("--msb-top", c.msbTop, "column layout: bit 7 is the top dot, not bit 0");
    CLI::Option* msbLeft = command->add_flag(
        "--msb-left", c.msbLeft,
        "rows layout: bit 7 is the left dot, not bit 4, as LED-matrix drivers take them");
    CLI::Option* first =
        addCountOption(*command, "--first", options->first, formats::kLastFirstEncoding,
                       "the character glyph 0 stands for (default 32)")
            ->type_name("CODE");
    CLI::Option* scale = addCountOption(*command, "--scale", options->scale, formats::kLargestScale,
                                        "pixels a dot, 1-64 (default 4)", 1)
                             ->type_name("N");
    CLI::Option* codes =
        command
            ->add_option("--codes", options->codes,
                         "only these glyphs, by code 0-95 as show numbers them, in this "
                         "order; such as the 8 a character LCD's CGRAM holds. e.g. --codes 0-7 or "
                         "--codes 33,65-70")
            ->type_name("LIST");
    const std::vector<std::pair<CLI::Option*, std::uint32_t>> settings{
        {name, formats::kTakesName},     {progmem, formats::kTakesProgmem},
        {layout, formats::kTakesLayout}, {msbTop, formats::kTakesMsbTop},
        {first, formats::kTakesFirst},   {scale, formats::kTakesScale},
        {codes, formats::kTakesCodes},   {msbLeft, formats::kTakesMsbLeft}};
    for (const auto& [option, setting] : settings) {
        option->description(formatsTaking(setting) + ": " + option->get_description());
    }
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options, settings, msbTop, msbLeft] {
        const formats::FormatInfo& info = formats::formatInfo(options->format);
        const std::uint32_t takes = info.takes;
        for (const auto& [option, setting] : settings) {
            if (option->count() > 0 && (takes & setting) == 0) {
                throw CLI::ValidationError(option->get_name(),
                                           "applies only to --format " + formatsTaking(setting));
            }
        }
        formats::ExportSettings& chosen = options->settings;
        if (msbTop->count() > 0 && chosen.c.layout == state::GlyphLayout::Rows) {
            throw CLI::ValidationError("--msb-top", "applies only to the column layout");
        }
        if (msbLeft->count() > 0 && chosen.c.layout != state::GlyphLayout::Rows) {
            throw CLI::ValidationError("--msb-left", "applies only to the rows layout");
        }
        if (options->first && *options->first > static_cast<std::size_t>(info.lastFirst)) {
            throw CLI::ValidationError("--first", "--format " + std::string(info.word) +
                                                      " holds glyph 95 only up to --first " +
                                                      std::to_string(info.lastFirst));
        }
        if (options->first) chosen.first = static_cast<int>(*options->first);
        if (options->scale) chosen.scale = static_cast<int>(*options->scale);
        if (options->codes) chosen.c.codes = parseCodeList(*options->codes, "--codes");
        run(*options);
    });
}

}  // namespace fontedit::cli
