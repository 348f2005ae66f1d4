#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/option_values.h"
#include "folder/font_folder.h"
#include "formats/font_import.h"
#include "formats/own/font_files.h"
#include "storage/read_file.h"

namespace fontedit::cli {
namespace {

struct ImportOptions {
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

void run(ImportOptions options) {
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
        font = formats::importFont(options.format.value_or(formats::detectFormat(bytes)), bytes,
                                   options.import);
    });
    const std::filesystem::path dir(options.dir);
    if (!options.force) refuseToOverwrite(dir);
    for (const formats::ImportNote& note : font.notes) {
        std::cerr << "fontedit-cli: " << englishNote(options.source, note) << '\n';
    }
    folder::saveFontCreatingFolder(font.data, dir);
}

// --msb-top and --msb-left name the layout as well as the bit order.
void settleLayout(ImportOptions& options) {
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

}  // namespace

void addImportCommand(CLI::App& app) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand(
        "import",
        "Take a font from a C table, a BDF, PCF, PSF, TrueType or OpenType font, a binary table, "
        "a PNG sheet or a u8g2, u8x8, LVGL or GFX font in FILE, "
        "unpacking it first when gzip packed it, and write it as the font files of DIR, creating "
        "DIR when missing.");
    command
        ->add_option("--format", options->format,
                     "c, bdf, pcf, bin, png (a sheet as render draws it, at any scale, or drawn "
                     "on its grid in two colours), psf (a Linux console font), ttf (TrueType, "
                     "OpenType, .otb, .ttc), u8g2, u8x8, lvgl or gfxfont (a display library's font "
                     "source, as its converter or export writes it); by default png for a PNG "
                     "image, bdf when FILE starts with STARTFONT, pcf with PCF's mark, bin for the "
                     "480 bytes export writes, psf with PSF1's or PSF2's mark, ttf with a TrueType "
                     "or OpenType tag, u8g2, u8x8, lvgl or gfxfont for a source declaring such a "
                     "font, else c. e.g. --format pcf")
        ->transform(wordFor<formats::ImportFormat>({{"c", formats::ImportFormat::C},
                                                    {"bdf", formats::ImportFormat::Bdf},
                                                    {"pcf", formats::ImportFormat::Pcf},
                                                    {"bin", formats::ImportFormat::Bin},
                                                    {"png", formats::ImportFormat::Png},
                                                    {"ttf", formats::ImportFormat::TrueType},
                                                    {"u8g2", formats::ImportFormat::U8g2},
                                                    {"u8x8", formats::ImportFormat::U8x8},
                                                    {"lvgl", formats::ImportFormat::Lvgl},
                                                    {"gfxfont", formats::ImportFormat::GfxFont},
                                                    {"psf", formats::ImportFormat::Psf}}))
        ->option_text("FORMAT");
    command
        ->add_option("--array", options->import.array,
                     "c: the array to take, by name; by default the first that fits a font. "
                     "e.g. --array font5x7")
        ->type_name("NAME");
    command
        ->add_option("--layout", options->import.layout,
                     "c, bin: columns (a byte per column, bit 0 the top dot) or rows (a byte per "
                     "dot row, bit 4 the left dot); by default told from the file or guessed. "
                     "e.g. --layout rows")
        ->transform(layoutWords())
        ->option_text("LAYOUT");
    command->add_flag("--msb-top", options->msbTop,
                      "c, bin: columns whose top dot is bit 7. e.g. --msb-top");
    command->add_flag("--msb-left", options->msbLeft,
                      "c, bin: rows whose left dot is bit 7, not bit 4. e.g. --msb-left");
    addCountOption(*command, "--stride", options->stride, formats::kLongestStride,
                   "c, bin: bytes per glyph, when glyphs carry padding such as a blank "
                   "spacer column. e.g. --stride 6",
                   1)
        ->type_name("N");
    addCountOption(*command, "--offset", options->import.offset,
                   std::numeric_limits<std::size_t>::max(),
                   "c, bin: the index of the first value taken, past a header. e.g. --offset 6")
        ->type_name("N");
    addCountOption(
        *command, "--first", options->first, 0x10FFFF,
        "the character code of glyph 0, for the labels; bdf, pcf, psf: the encoding taken "
        "as glyph 0 (default the first of exactly 96, else 32), so for u8g2, u8x8 and "
        "lvgl; ttf: the character "
        "taken as glyph 0 (default U+0020). e.g. --first 0x20")
        ->type_name("CODE");
    addCountOption(*command, "--baseline", options->baseline, state::kGlyphRows - 1,
                   "bdf, pcf, ttf, u8g2, u8x8, lvgl: the lowest cell row above the font's "
                   "baseline; rows below it "
                   "hold the descent (default 6, or where a font of 8 rows or fewer fits). "
                   "e.g. --baseline 5")
        ->type_name("ROW");
    command->add_flag("--crop", options->import.crop,
                      "cut glyphs with dots outside 5 x 8, or in a table's padding, to the cell "
                      "instead of refusing them, and say how many lost dots. e.g. --crop");
    addCountOption(*command, "--size", options->size, 4096,
                   "ttf: the bitmap strike of this height or pixels per em, or the pixel size "
                   "to draw outlines at; by default the tallest strike that fits the cell, else "
                   "the smallest, else the size that puts every outline point on a pixel "
                   "corner. e.g. --size 8",
                   1)
        ->type_name("PX");
    addCountOption(*command, "--face", options->face, 0xFFFF,
                   "ttf: the face of a collection (.ttc) to take, counted from 0. e.g. --face 1")
        ->type_name("N");
    command
        ->add_option("--charset", options->import.charset,
                     "ttf: how codes from --first name characters: unicode (the default) or "
                     "jisx0201, whose 0xA1-0xDF are the half-width katakana, for a Japanese "
                     "character LCD. e.g. --charset jisx0201 --first 0xA0")
        ->transform(wordFor<formats::ImportOptions::Charset>(
            {{"unicode", formats::ImportOptions::Charset::Unicode},
             {"jisx0201", formats::ImportOptions::Charset::JisX0201}}))
        ->option_text("CHARSET");
    command->add_flag("-f,--force", options->force,
                      "replace existing font files in DIR. e.g. --force");
    command
        ->add_option(
            "FILE", options->source,
            "the C source, BDF, PCF, PSF, TrueType or OpenType font, binary table or PNG sheet, "
            "gzip packed or not")
        ->required()
        ->type_name("");
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options] {
        settleLayout(*options);
        run(*options);
    });
}

}  // namespace fontedit::cli
