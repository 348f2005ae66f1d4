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
        // A link to nothing is a name that is there all the same.
        if (std::filesystem::exists(std::filesystem::symlink_status(dir / name))) {
            throw InputError(displayPath(dir, name) +
                             " exists; use --force to replace the font files");
        }
    }
}

// Creates `dir` and the folders above it that are missing; the ones made, deepest first.
std::vector<std::filesystem::path> makeDirectories(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> missing;
    for (std::filesystem::path at = dir; !at.empty() && !std::filesystem::exists(at);
         at = at.parent_path()) {
        missing.push_back(at);
        if (at == at.parent_path()) break;
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        throw InputError(dir.string() + ": cannot create the directory: " + error.message());
    }
    return missing;
}

void run(ImportOptions options) {
    const std::filesystem::path source(options.source);
    const std::string bytes = storage::readWholeFile(source, formats::kMostImportBytes);
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
    const std::vector<std::filesystem::path> made = makeDirectories(dir);
    try {
        folder::saveFont(font.data, dir);
    } catch (...) {
        // The save removed its own files; a failed import leaves no empty folder behind.
        for (const std::filesystem::path& created : made) {
            std::error_code ignored;
            std::filesystem::remove(created, ignored);
        }
        throw;
    }
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
