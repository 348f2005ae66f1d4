#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/option_values.h"
#include "folder/font_folder.h"
#include "formats/font_files.h"
#include "formats/font_import.h"
#include "storage/read_file.h"

namespace fontedit::cli {
namespace {

// Font tables are kilobytes; a source of many tables and much else still fits.
constexpr std::size_t kMostSourceBytes = 64 << 20;

struct ImportOptions {
    std::string source;
    std::string dir = ".";
    std::optional<formats::ImportFormat> format;  // read from the content when not given
    formats::ImportOptions import;
    std::optional<std::size_t> first;
    bool force = false;
};

void refuseToOverwrite(const std::filesystem::path& dir) {
    for (const char* name : {formats::kFontFileName, formats::kLabelFileName}) {
        if (std::filesystem::exists(dir / name)) {
            throw state::Failure(state::Cause::FileExists, {.file = displayPath(dir, name)});
        }
    }
}

void run(ImportOptions options) {
    const std::filesystem::path source(options.source);
    const std::string bytes = storage::readWholeFile(source, kMostSourceBytes);
    if (options.first) options.import.first = static_cast<int>(*options.first);
    const formats::ImportFormat format = options.format.value_or(formats::detectFormat(bytes));
    formats::ImportedFont font;
    inFile(options.source, [&] {
        font = format == formats::ImportFormat::Bdf ? formats::importBdf(bytes, options.import)
                                                    : formats::importCTable(bytes, options.import);
    });
    const std::filesystem::path dir(options.dir);
    if (!options.force) refuseToOverwrite(dir);
    for (const formats::ImportNote& note : font.notes) {
        std::cerr << "fontedit-cli: " << englishNote(options.source, note) << '\n';
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        throw state::Failure(state::Cause::DirectoryNotCreated,
                             {.file = options.dir, .error = error.value()});
    }
    folder::saveFont(font.data, dir);
}

}  // namespace

void addImportCommand(CLI::App& app) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand(
        "import",
        "Take a font from a C table or a BDF font in FILE and write it as the font files of DIR, "
        "creating DIR when missing.");
    command
        ->add_option("--format", options->format,
                     "c or bdf; by default bdf when FILE starts with STARTFONT, else c")
        ->transform(oneOf({"c", "bdf"}))
        ->option_text("FORMAT");
    command
        ->add_option("--array", options->import.array,
                     "c: the array to take, by name; by default the first that fits a font "
                     "5 columns wide")
        ->type_name("NAME");
    addCountOption(*command, "--offset", options->import.offset,
                   std::numeric_limits<std::size_t>::max(), "c: the index of the first value taken")
        ->type_name("N");
    addCountOption(*command, "--first", options->first, 0x10FFFF,
                   "the character code of glyph 0, for the labels; bdf: the ENCODING taken as "
                   "glyph 0 (default 32)")
        ->type_name("CODE");
    command->add_flag("--crop", options->import.crop,
                      "bdf: cut glyphs larger than 5 x 8 to the cell instead of refusing them");
    command->add_flag("-f,--force", options->force, "replace existing font files in DIR");
    command->add_option("FILE", options->source, "the C source or BDF font")
        ->required()
        ->type_name("");
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options] { run(*options); });
}

}  // namespace fontedit::cli
