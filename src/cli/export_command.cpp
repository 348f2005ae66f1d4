#include <memory>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/bdf_export.h"
#include "formats/c_source_export.h"
#include "formats/font_bytes.h"
#include "formats/font_files.h"
#include "formats/header_export.h"

namespace fontedit::cli {
namespace {

// In the order of the words of --format.
enum class Format { Header, C, Bdf, Bin };

struct ExportOptions {
    Format format = Format::Header;
    std::optional<std::string> output;
    std::string dir = ".";
    formats::CSourceOptions c;
    std::optional<std::size_t> first;
    std::optional<std::string> codes;
};

// The file each format writes into DIR when no -o is given.
std::string defaultFileName(Format format) {
    switch (format) {
        case Format::Header:
            return formats::kHeaderFileName;
        case Format::C:
            return "font.c";
        case Format::Bdf:
            return "font.bdf";
        case Format::Bin:
            return "font.bin";
    }
    return {};
}

std::string exportedBytes(const state::FontData& data, const ExportOptions& options) {
    switch (options.format) {
        case Format::Header:
            return formats::headerBytes(data);
        case Format::C:
            return formats::cSourceBytes(data, options.c);
        case Format::Bdf:
            return formats::bdfBytes(
                data, static_cast<int>(options.first.value_or(formats::kDefaultFirstEncoding)));
        case Format::Bin:
            return formats::binaryBytes(data, options.c.codes);
    }
    return {};
}

void run(const ExportOptions& options) {
    const std::filesystem::path dir(options.dir);
    const state::FontData data = folder::loadFont(dir);
    if (options.format == Format::Header && !options.output) {
        // The editor's own export, written as it writes it.
        folder::exportHeader(data, dir);
        return;
    }
    // A cell that is not a byte is a fault of the font file.
    std::string bytes;
    inFile((dir / formats::kFontFileName).string(), [&] { bytes = exportedBytes(data, options); });
    writeOutput(options.output.value_or((dir / defaultFileName(options.format)).string()), bytes);
}

}  // namespace

void addExportCommand(CLI::App& app) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand(
        "export",
        "Write the font of DIR for other programs, by default as DIR/font.h exactly as "
        "the editor's export does.");
    command
        ->add_option("--format", options->format,
                     "header: the editor's font.h, to be finished by hand; c: a C source that "
                     "compiles as it stands; bdf: a BDF 2.1 font; bin: the 480 column bytes")
        ->transform(oneOf({"header", "c", "bdf", "bin"}))
        ->option_text("FORMAT");
    command
        ->add_option("-o,--output", options->output,
                     "the file to write, - for standard output; by default DIR/font.h, "
                     "DIR/font.c, DIR/font.bdf or DIR/font.bin")
        ->type_name("FILE");
    CLI::Option* name =
        command->add_option("--name", options->c.name, "c: the table's name (default Font)")
            ->check(CLI::Validator(
                [](const std::string& text) {
                    return formats::isCIdentifier(text) ? std::string()
                                                        : "'" + text + "' is not a C identifier";
                },
                ""))
            ->type_name("NAME");
    CLI::Option* progmem =
        command->add_flag("--progmem", options->c.progmem,
                          "c: put the table in program memory (PROGMEM) when built for AVR");
    CLI::Option* layout =
        command
            ->add_option("--layout", options->c.layout,
                         "c: columns ([96][5], a byte per column) or rows ([96][8], a byte per "
                         "dot row, top first, bit 4 the left column, as a character LCD's "
                         "CGRAM takes)")
            ->transform(oneOf({"columns", "rows"}))
            ->option_text("LAYOUT");
    CLI::Option* msbTop = command->add_flag("--msb-top", options->c.msbTop,
                                            "c, column layout: bit 7 is the top dot, not bit 0");
    CLI::Option* first =
        addCountOption(*command, "--first", options->first, formats::kLastFirstEncoding,
                       "bdf: the ENCODING of glyph 0 (default 32)")
            ->type_name("CODE");
    command
        ->add_option("--codes", options->codes,
                     "c, bin: only these glyphs, by code 0-95 as show numbers them, in this "
                     "order; such as the 8 a character LCD's CGRAM holds. e.g. --codes 0-7 or "
                     "--codes 33,65-70")
        ->type_name("LIST");
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options, name, progmem, layout, msbTop, first] {
        for (CLI::Option* cOnly : {name, progmem, layout, msbTop}) {
            if (cOnly->count() > 0 && options->format != Format::C) {
                throw CLI::ValidationError(cOnly->get_name(), "applies only to --format c");
            }
        }
        if (first->count() > 0 && options->format != Format::Bdf) {
            throw CLI::ValidationError(first->get_name(), "applies only to --format bdf");
        }
        if (msbTop->count() > 0 && options->c.layout == state::GlyphLayout::Rows) {
            throw CLI::ValidationError("--msb-top", "applies only to the column layout");
        }
        if (options->codes) {
            if (options->format != Format::C && options->format != Format::Bin) {
                throw CLI::ValidationError("--codes", "applies only to --format c and bin");
            }
            options->c.codes = parseCodeList(*options->codes, "--codes");
        }
        run(*options);
    });
}

}  // namespace fontedit::cli
