#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/option_values.h"
#include "folder/font_folder.h"
#include "formats/import_formats.h"
#include "formats/own/font_files.h"
#include "state/joined.h"
#include "storage/read_file.h"

namespace fontedit::cli {
namespace {

struct ImportCommandOptions {
    std::string source;
    std::string dir = ".";
    std::optional<formats::ImportFormat> format;  // read from the content when not given
    formats::ImportOptions import;
    std::optional<std::size_t> first;
    std::optional<std::size_t> baseline;
    std::optional<std::size_t> stride;
    std::optional<std::size_t> size;
    std::optional<std::size_t> face;
    bool msbTop = false;
    bool msbLeft = false;
    bool force = false;
};

void refuseToOverwrite(const std::filesystem::path& dir) {
    for (const char* name : {formats::kFontFileName, formats::kLabelFileName}) {
        // A link to nothing is a name that is there all the same.
        if (std::filesystem::exists(std::filesystem::symlink_status(dir / name))) {
            throw state::Failure(state::Cause::FileExists, {.file = displayPath(dir, name)});
        }
    }
}

void run(ImportCommandOptions options) {
    const std::filesystem::path source(options.source);
    std::string bytes = storage::readWholeFile(source, formats::kMostImportBytes);
    if (options.first) options.import.first = static_cast<int>(*options.first);
    if (options.baseline) options.import.baseline = static_cast<int>(*options.baseline);
    options.import.stride = options.stride;
    if (options.size) options.import.size = static_cast<int>(*options.size);
    if (options.face) options.import.face = static_cast<int>(*options.face);
    formats::ImportedFont font;
    inFile(options.source, [&] {
        if (formats::isGzip(bytes)) bytes = formats::gunzip(bytes);
        font = options.format ? formats::importFont(*options.format, bytes, options.import)
                              : formats::importDetected(bytes, options.import);
    });
    const std::filesystem::path dir(options.dir);
    if (!options.force) refuseToOverwrite(dir);
    for (const formats::ImportNote& note : font.notes) {
        std::cerr << "fontedit-cli: " << englishNote(options.source, note) << '\n';
    }
    folder::saveFontCreatingFolder(font.data, dir);
}

// --msb-top and --msb-left name the layout as well as the bit order.
void settleLayout(ImportCommandOptions& options) {
    using state::GlyphLayout;
    if (options.msbTop && options.msbLeft) {
        throw CLI::ValidationError("--msb-top", "and --msb-left exclude each other");
    }
    const std::optional<GlyphLayout> implied = options.msbTop ? std::optional(GlyphLayout::Columns)
                                               : options.msbLeft ? std::optional(GlyphLayout::Rows)
                                                                 : std::nullopt;
    if (implied && options.import.layout && *options.import.layout != *implied) {
        throw CLI::ValidationError(
            options.msbTop ? "--msb-top" : "--msb-left",
            options.msbTop ? "applies only to --layout columns" : "applies only to --layout rows");
    }
    if (implied) options.import.layout = implied;
    options.import.msbFirst = options.msbTop || options.msbLeft;
    const std::size_t least = options.import.layout == GlyphLayout::Rows ? 8 : 5;
    if (options.stride && *options.stride < least) {
        throw CLI::ValidationError(
            "--stride", "must be at least " + std::to_string(least) + " bytes for this layout");
    }
}

// "c: a table of glyph bytes ...; bdf: ...": every format the import reads.
std::string importFormatHelp() {
    std::vector<std::string> formats;
    for (const formats::FormatInfo& info : formats::importFormats()) {
        formats.push_back(std::string(info.word) + ": " + std::string(info.summary));
    }
    return state::joined(formats, "; ") +
           ". By default the format whose mark FILE carries, else bin for the 480 bytes export "
           "writes, else c. e.g. --format pcf";
}

std::vector<std::pair<std::string, formats::ImportFormat>> importFormatWords() {
    std::vector<std::pair<std::string, formats::ImportFormat>> words;
    for (const formats::FormatInfo& info : formats::importFormats()) {
        words.emplace_back(info.word, info.format);
    }
    return words;
}

// "c, bin: " before an option's help: the formats that read it.
std::string readBy(std::uint32_t setting) {
    return state::joined(formats::importWordsReading(setting), ", ") + ": ";
}

}  // namespace

void addImportCommand(CLI::App& app) {
    auto options = std::make_shared<ImportCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "import",
        "Take a font from FILE, a " + state::joined(formats::importTitles(), ", ", " or ") +
            " font, unpacking it first when gzip packed it, and write it as the font files of "
            "DIR, creating DIR when missing.");
    addWordOption(*command, "--format", options->format, importFormatHelp(),
                  {wordFor(importFormatWords()), "FORMAT"});
    command
        ->add_option("--array", options->import.array,
                     readBy(formats::kReadsArray) +
                         "the array to take, by name; by default the first that fits a font. "
                         "e.g. --array font5x7")
        ->type_name("NAME");
    addWordOption(*command, "--layout", options->import.layout,
                  readBy(formats::kReadsShape) +
                      "columns (a byte per column, bit 0 the top dot) or rows (a byte per "
                      "dot row, bit 4 the left dot); by default told from the file or guessed. "
                      "e.g. --layout rows",
                  layoutWords());
    command->add_flag(
        "--msb-top", options->msbTop,
        readBy(formats::kReadsShape) + "columns whose top dot is bit 7. e.g. --msb-top");
    command->add_flag(
        "--msb-left", options->msbLeft,
        readBy(formats::kReadsShape) + "rows whose left dot is bit 7, not bit 4. e.g. --msb-left");
    addCountOption(*command, "--stride", options->stride, formats::kLongestStride,
                   readBy(formats::kReadsShape) +
                       "bytes per glyph, when glyphs carry padding such as a blank "
                       "spacer column. e.g. --stride 6",
                   1)
        ->type_name("N");
    addCountOption(*command, "--offset", options->import.offset,
                   std::numeric_limits<std::size_t>::max(),
                   readBy(formats::kReadsShape) +
                       "the index of the first value taken, past a header. e.g. --offset 6")
        ->type_name("N");
    addCountOption(
        *command, "--first", options->first, 0x10FFFF,
        "the character code of glyph 0, for the labels; bdf, pcf, psf: the encoding taken "
        "as glyph 0 (default the first of exactly 96, else 32), so for u8g2, u8x8 and "
        "lvgl; ttf: the character "
        "taken as glyph 0 (default U+0020). e.g. --first 0x20")
        ->type_name("CODE");
    addCountOption(*command, "--baseline", options->baseline, state::kGlyphRows - 1,
                   readBy(formats::kReadsBaseline) +
                       "the lowest cell row above the font's "
                       "baseline; rows below it "
                       "hold the descent (default 6, or where a font of 8 rows or fewer fits). "
                       "e.g. --baseline 5")
        ->type_name("ROW");
    command->add_flag("--crop", options->import.crop,
                      "cut glyphs with dots outside 5 x 8, or in a table's padding, to the cell "
                      "instead of refusing them, and say how many lost dots. e.g. --crop");
    addCountOption(
        *command, "--size", options->size, 4096,
        readBy(formats::kReadsFace) +
            "the bitmap strike of this height or pixels per em, or the pixel size "
            "to draw outlines at; by default the tallest strike that fits the cell, else "
            "the smallest, else the size that puts every outline point on a pixel "
            "corner. e.g. --size 8",
        1)
        ->type_name("PX");
    addCountOption(*command, "--face", options->face, 0xFFFF,
                   readBy(formats::kReadsFace) +
                       "the face of a collection (.ttc) to take, counted from 0. e.g. --face 1")
        ->type_name("N");
    addWordOption(*command, "--charset", options->import.charset,
                  readBy(formats::kReadsFace) +
                      "how codes from --first name characters: unicode (the default) or "
                      "jisx0201, whose 0xA1-0xDF are the half-width katakana, for a Japanese "
                      "character LCD. e.g. --charset jisx0201 --first 0xA0",
                  charsetWords());
    command->add_flag("-f,--force", options->force,
                      "replace existing font files in DIR. e.g. --force");
    command->add_option("FILE", options->source, "the font, gzip packed or not")
        ->required()
        ->type_name("");
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options] {
        settleLayout(*options);
        run(*options);
    });
}

}  // namespace fontedit::cli
