#include <memory>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/common/bitmap_readers.h"
#include "formats/common/bitmap_writers.h"
#include "formats/import_formats.h"
#include "formats/x11/bdf_document.h"
#include "state/character_list.h"
#include "storage/read_file.h"

namespace fontedit::cli {
namespace {

struct ConvertOptions {
    std::string source;
    std::string output;
    std::optional<std::string> format;  // a writer's word; by default told by OUT's extension
    std::optional<std::string> chars;
    std::optional<std::size_t> size;
    std::optional<std::size_t> face;
    std::optional<std::size_t> scale;
    formats::ImportOptions::Charset charset = formats::ImportOptions::Charset::Unicode;
    bool byLabel = false;
};

const formats::BitmapWriter& chosenWriter(const ConvertOptions& options) {
    const auto writers = formats::bitmapWriters();
    if (options.format) {
        for (const formats::BitmapWriter& writer : writers) {
            if (writer.word == *options.format) return writer;
        }
    }
    const std::string extension = std::filesystem::path(options.output).extension().string();
    for (const formats::BitmapWriter& writer : writers) {
        for (const std::string_view known : writer.extensions) {
            if (known == extension) return writer;
        }
    }
    throw CLI::ValidationError("OUT", "'" + extension +
                                          "' names no format convert writes; choose one with "
                                          "--format");
}

std::string inputBytes(const ConvertOptions& options) {
    std::string bytes = storage::readWholeFile(options.source, formats::kMostImportBytes);
    inFile(options.source, [&] {
        if (formats::isGzip(bytes)) bytes = formats::gunzip(bytes);
    });
    return bytes;
}

state::BitmapFont readInput(const ConvertOptions& options, const std::string& bytes) {
    formats::ImportOptions import{.charset = options.charset};
    if (options.size) import.size = static_cast<int>(*options.size);
    if (options.face) import.face = static_cast<int>(*options.face);
    state::BitmapFont font;
    inFile(options.source, [&] { font = formats::readDetectedBitmapFont(bytes, import); });
    return font;
}

state::BitmapFont readFolder(const ConvertOptions& options) {
    const state::FontData data = folder::loadFont(options.source);
    state::BitmapFont font;
    inFile((std::filesystem::path(options.source) / formats::kFontFileName).string(),
           [&] { font = formats::classicBitmapFont(data, options.byLabel); });
    return font;
}

void run(const ConvertOptions& options) {
    const formats::BitmapWriter& writer = chosenWriter(options);
    std::vector<char32_t> characters;
    if (options.chars) {
        try {
            characters = state::parseCharacterList(*options.chars, [](const std::string& path) {
                return storage::readWholeFile(path, formats::kMostImportBytes);
            });
        } catch (const state::Failure& failure) {
            if (failure.cause() != state::Cause::NotACharacter &&
                failure.cause() != state::Cause::CodesRunBackwards) {
                throw;
            }
            throw WordedUsageError("--chars", messages::worded(failure, messages::english));
        }
    }
    state::BitmapFont font;
    if (std::filesystem::is_directory(options.source)) {
        font = readFolder(options);
    } else {
        const std::string bytes = inputBytes(options);
        // A BDF written as BDF keeps its own text: properties, comments and every glyph
        // --chars leaves come out as they were read.
        if (writer.word == "bdf" && options.charset == formats::ImportOptions::Charset::Unicode &&
            formats::detectFormat(bytes) == formats::ImportFormat::Bdf) {
            std::optional<formats::BdfDocument> document;
            inFile(options.source, [&] { document = formats::BdfDocument::read(bytes); });
            if (options.chars) document->keepOnly(characters);
            writeOutput(options.output, document->write());
            return;
        }
        font = readInput(options, bytes);
    }
    if (options.charset == formats::ImportOptions::Charset::JisX0201) {
        font = formats::byJisX0201(font);
    }
    if (options.chars) font = state::withCharacters(std::move(font), characters);
    formats::BitmapWriteSettings settings;
    if (font.family.empty()) {
        // "unifont" of unifont.pcf.gz.
        const std::string file = std::filesystem::path(options.source).filename().string();
        settings.name = file.substr(0, file.find('.'));
    } else {
        settings.name = font.family;
    }
    if (options.scale) settings.scale = static_cast<int>(*options.scale);
    const std::string bytes = writer.write(font, settings);
    writeOutput(options.output, bytes);
}

std::string writerHelp() {
    std::string help;
    for (const formats::BitmapWriter& writer : formats::bitmapWriters()) {
        help += (help.empty() ? "" : ", ") + std::string(writer.word) + " (";
        for (std::size_t i = 0; i < writer.extensions.size(); ++i) {
            help += (i == 0 ? "" : " ") + std::string(writer.extensions[i]);
        }
        help += ")";
    }
    return help;
}

}  // namespace

void addConvertCommand(CLI::App& app) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* command = app.add_subcommand(
        "convert",
        "Turn the font in IN, at its own size, into the format of OUT: a BDF, PCF, PSF, "
        "TrueType or OpenType font, gzip packed or not, or the directory of a classic font.");
    command
        ->add_option("--format", options->format,
                     writerHelp() + "; by default the format of OUT's extension. e.g. --format bdf")
        ->check(CLI::IsMember([] {
            std::vector<std::string> known;
            for (const formats::BitmapWriter& writer : formats::bitmapWriters()) {
                known.emplace_back(writer.word);
            }
            return known;
        }()))
        ->option_text("FORMAT");
    command
        ->add_option("--chars", options->chars,
                     "only these characters: codes, decimal, 0x or U+ hex, ranges of two, and "
                     "@FILE for every character of a UTF-8 text. "
                     "e.g. --chars 0x20-0x7E,0xB0,U+3040-U+309F,@chars.txt")
        ->type_name("LIST");
    addCountOption(*command, "--size", options->size, 4096,
                   "ttf: the strike of this height or pixels per em, or the pixel size to draw "
                   "outlines at; by default the first strike, else the size that puts every "
                   "outline point on a pixel corner. e.g. --size 16",
                   1)
        ->type_name("PX");
    addCountOption(*command, "--face", options->face, 0xFFFF,
                   "ttf: the face of a collection (.ttc) to take, counted from 0. e.g. --face 1")
        ->type_name("N");
    command
        ->add_option("--charset", options->charset,
                     "unicode (the default) or jisx0201: the glyphs of JIS X 0201's characters "
                     "at its codes 0-255, half-width katakana at 0xA1-0xDF, for a Japanese "
                     "character LCD. e.g. --charset jisx0201")
        ->transform(wordFor<formats::ImportOptions::Charset>(
            {{"unicode", formats::ImportOptions::Charset::Unicode},
             {"jisx0201", formats::ImportOptions::Charset::JisX0201}}))
        ->option_text("CHARSET");
    command->add_flag("--by-label", options->byLabel,
                      "a classic font's directory: each glyph at the one character its label "
                      "holds, not glyph i at character 32 + i; one whose label is not one "
                      "character is left out. e.g. --by-label");
    addCountOption(*command, "--scale", options->scale, 64,
                   "png: pixels a dot, 1-64 (default 1). e.g. --scale 4", 1)
        ->type_name("N");
    command->add_option("IN", options->source, "the font file or a classic font's directory")
        ->required()
        ->type_name("");
    CLI::Option* out =
        command->add_option("OUT", options->output, "the file to write, - for standard output")
            ->type_name("");
    CLI::Option* output =
        command->add_option("-o,--output", options->output, "the file to write, as OUT")
            ->type_name("FILE")
            ->excludes(out);
    command->callback([options, out, output] {
        if (out->count() == 0 && output->count() == 0) {
            throw CLI::RequiredError("OUT or --output");
        }
        run(*options);
    });
}

}  // namespace fontedit::cli
