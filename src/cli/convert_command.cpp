#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/common/bitmap_readers.h"
#include "formats/import_formats.h"
#include "formats/x11/bdf_document.h"
#include "state/character_list.h"
#include "state/joined.h"
#include "storage/read_file.h"

namespace fontedit::cli {
namespace {

struct ConvertOptions {
    std::string source;
    std::string output;
    std::optional<std::string> format;  // a writer's word; by default told by OUT's extension
    std::optional<std::string> from;    // a reader's word; by default told by IN's content
    std::optional<std::string> chars;
    std::optional<std::size_t> size;
    std::optional<std::size_t> face;
    std::optional<std::size_t> scale;
    std::optional<std::size_t> first;
    std::optional<std::size_t> offset;
    formats::TableBitmapOptions table;
    formats::BitmapWriteSettings write;
    formats::ImportOptions::Charset charset = formats::ImportOptions::Charset::Unicode;
    bool byLabel = false;
    bool named = false;  // --name was given
};

// Each option a format takes, reading IN or writing OUT, with the registry's bit for it.
struct TakenOption {
    CLI::Option* option;
    std::uint32_t setting;
};

// "c, bin": the words of the rows that read (or write) and take `setting`.
std::string wordsTaking(std::uint32_t setting, bool reading) {
    std::vector<std::string> words;
    for (const formats::FormatInfo& row : formats::formatRows()) {
        const bool does = reading ? row.readBitmap != nullptr : row.writeBitmap != nullptr;
        if (does && (row.converts & setting) != 0) words.emplace_back(row.word);
    }
    return state::joined(words, ", ");
}

// An option given that the format does not take is a usage error.
void checkTaken(const std::vector<TakenOption>& options, const formats::FormatInfo& row,
                bool reading) {
    for (const auto& [option, setting] : options) {
        if (option->count() > 0 && (row.converts & setting) == 0) {
            throw CLI::ValidationError(option->get_name(), std::string("applies only to ") +
                                                               (reading ? "reading " : "writing ") +
                                                               wordsTaking(setting, reading) +
                                                               ", not " + std::string(row.word));
        }
    }
}

const formats::FormatInfo& chosenWriter(const ConvertOptions& options) {
    if (options.format) return *formats::formatNamed(*options.format);
    const std::string extension = std::filesystem::path(options.output).extension().string();
    for (const formats::FormatInfo& row : formats::formatRows()) {
        for (const std::string_view known : row.extensions) {
            if (known == extension) return row;
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

const formats::FormatInfo& inputFormat(const ConvertOptions& options, std::string_view bytes) {
    return options.from ? *formats::formatNamed(*options.from)
                        : formats::formatInfo(formats::detectBitmapFormat(bytes));
}

state::BitmapFont readInput(const ConvertOptions& options, const formats::FormatInfo& row,
                            std::string_view bytes) {
    formats::BitmapReadSettings settings{.import = {.charset = options.charset}};
    if (options.size) settings.import.size = static_cast<int>(*options.size);
    if (options.face) settings.import.face = static_cast<int>(*options.face);
    if (options.table.width > 0) {
        settings.table = options.table;
        if (options.first) settings.table->first = static_cast<char32_t>(*options.first);
        settings.table->offset = options.offset.value_or(0);
    }
    state::BitmapFont font;
    inFile(options.source, [&] { font = formats::readBitmapFont(row.format, bytes, settings); });
    return font;
}

state::BitmapFont readFolder(const ConvertOptions& options) {
    const state::FontData data = folder::loadFont(options.source);
    state::BitmapFont font;
    inFile((std::filesystem::path(options.source) / formats::kFontFileName).string(),
           [&] { font = formats::classicBitmapFont(data, options.byLabel); });
    return font;
}

std::vector<char32_t> chosenCharacters(const std::string& list) {
    try {
        return state::parseCharacterList(list, [](const std::string& path) {
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

void run(ConvertOptions options, const std::vector<TakenOption>& reading,
         const std::vector<TakenOption>& writing) {
    const formats::FormatInfo& writer = chosenWriter(options);
    checkTaken(writing, writer, false);
    std::vector<char32_t> characters;
    if (options.chars) characters = chosenCharacters(*options.chars);
    state::BitmapFont font;
    if (std::filesystem::is_directory(options.source)) {
        font = readFolder(options);
    } else {
        const std::string bytes = inputBytes(options);
        const formats::FormatInfo& row = inputFormat(options, bytes);
        checkTaken(reading, row, true);
        // A BDF written as BDF keeps its own text: properties, comments and every glyph
        // --chars leaves come out as they were read.
        if (writer.format == formats::Format::Bdf && row.format == formats::Format::Bdf &&
            options.charset == formats::ImportOptions::Charset::Unicode) {
            std::optional<formats::BdfDocument> document;
            inFile(options.source, [&] { document = formats::BdfDocument::read(bytes); });
            if (options.chars) document->keepOnly(characters);
            if (options.named) document->font().family = options.write.name;
            writeOutput(options.output, document->write());
            return;
        }
        font = readInput(options, row, bytes);
    }
    if (options.charset == formats::ImportOptions::Charset::JisX0201) {
        font = formats::byJisX0201(font);
    }
    if (options.chars) font = state::withCharacters(std::move(font), characters);
    // A BDF is named by the font's own family where it has one, not by the file it came from.
    if (!options.named && writer.format == formats::Format::Bdf && !font.family.empty()) {
        options.write.name = font.family;
    }
    if (options.scale) options.write.scale = static_cast<int>(*options.scale);
    const std::string bytes = writer.writeBitmap(font, options.write);
    writeOutput(options.output, bytes);
}

// "c (.c .h), bdf (.bdf), u8g2, ...": every format convert writes, with the extensions that
// choose it.
std::string writerHelp() {
    std::vector<std::string> writers;
    for (const formats::FormatInfo& row : formats::formatRows()) {
        if (row.writeBitmap == nullptr) continue;
        std::vector<std::string> extensions(row.extensions.begin(), row.extensions.end());
        writers.push_back(std::string(row.word) +
                          (extensions.empty() ? "" : " (" + state::joined(extensions, " ") + ")"));
    }
    return state::joined(writers, ", ");
}

std::vector<std::string> wordsOf(bool reading) {
    std::vector<std::string> words;
    for (const formats::FormatInfo& row : formats::formatRows()) {
        if (reading ? row.readBitmap != nullptr : row.writeBitmap != nullptr) {
            words.emplace_back(row.word);
        }
    }
    return words;
}

OptionWords cLayoutWords() {
    return {wordFor<formats::CLayout>({{"columns", formats::CLayout::Columns},
                                       {"pages", formats::CLayout::Pages},
                                       {"rows", formats::CLayout::Rows}}),
            "LAYOUT"};
}

// "8x16" into the table's cell.
CLI::Option* addCellOption(CLI::App& command, formats::TableBitmapOptions& table,
                           const std::string& description) {
    return command
        .add_option_function<std::string>(
            "--cell",
            [&table](const std::string& text) {
                const std::size_t x = text.find('x');
                table.width = static_cast<int>(*state::parseCount(text.substr(0, x)));
                table.height = static_cast<int>(*state::parseCount(text.substr(x + 1)));
            },
            description)
        ->check(acceptedBy(
            [](const std::string& text) {
                const std::size_t x = text.find('x');
                const auto side = [](const std::string& part) {
                    const auto count = state::parseCount(part);
                    return count && *count >= 1 && *count <= state::kMaxGlyphSide;
                };
                return x != std::string::npos && side(text.substr(0, x)) &&
                       side(text.substr(x + 1));
            },
            "is not WIDTHxHEIGHT of 1-" + std::to_string(state::kMaxGlyphSide) + " dots"))
        ->type_name("WxH");
}

}  // namespace

void addConvertCommand(CLI::App& app) {
    auto options = std::make_shared<ConvertOptions>();
    options->table.width = 0;  // no cell named
    CLI::App* command = app.add_subcommand(
        "convert",
        "Turn the font in IN, at its own size, into the format of OUT: a font or table of "
        "glyph bytes of any format below, gzip packed or not, or the directory of a classic "
        "font.");
    command
        ->add_option("--format", options->format,
                     writerHelp() + "; by default the format of OUT's extension. e.g. --format bdf")
        ->check(CLI::IsMember(wordsOf(false)))
        ->option_text("FORMAT");
    command
        ->add_option("--from", options->from,
                     "the format of IN, one of " + state::joined(wordsOf(true), ", ") +
                         "; by default the one whose mark IN carries, else bin for bytes "
                         "holding a zero byte, else c. e.g. --from max72xx")
        ->check(CLI::IsMember(wordsOf(true)))
        ->option_text("FORMAT");
    command
        ->add_option("--chars", options->chars,
                     "only these characters: codes, decimal, 0x or U+ hex, ranges of two, and "
                     "@FILE for every character of a UTF-8 text. "
                     "e.g. --chars 0x20-0x7E,0xB0,U+3040-U+309F,@chars.txt")
        ->type_name("LIST");
    using formats::kConvertsArray, formats::kConvertsCell, formats::kConvertsFace,
        formats::kConvertsTable;
    const auto readBy = [](std::uint32_t setting) { return wordsTaking(setting, true) + ": "; };
    const auto writtenBy = [](std::uint32_t setting) { return wordsTaking(setting, false) + ": "; };
    formats::TableBitmapOptions& table = options->table;
    formats::BitmapWriteSettings& write = options->write;
    const std::vector<TakenOption> reading{
        {addCellOption(
             *command, table,
             readBy(kConvertsCell) +
                 "the cell every glyph of the table or the sheet fills, glyph after glyph. "
                 "e.g. --cell 8x16"),
         kConvertsCell},
        {addWordOption(*command, "--in-layout", table.layout,
                       readBy(kConvertsTable) +
                           "how the table holds a glyph: columns (the default), pages or "
                           "rows, as --layout writes them. e.g. --in-layout rows",
                       cLayoutWords()),
         kConvertsTable},
        {command->add_flag("--in-msb-first", table.msbFirst,
                           readBy(kConvertsTable) +
                               "bit 7 is the top dot of a column byte or the left dot of a row "
                               "byte. e.g. --in-msb-first"),
         kConvertsTable},
        {addCountOption(*command, "--offset", options->offset,
                        std::numeric_limits<std::size_t>::max(),
                        readBy(kConvertsTable) +
                            "values (c) or bytes (bin) before the first glyph. e.g. --offset 6")
             ->type_name("N"),
         kConvertsTable},
        {addCountOption(*command, "--first", options->first, 0x10FFFF,
                        readBy(kConvertsCell) + "the character of the first glyph (default 0x20). "
                                                "e.g. --first 0x30")
             ->type_name("CODE"),
         kConvertsCell},
        {command
             ->add_option("--array", table.array,
                          readBy(kConvertsArray) +
                              "the array to take, by name; by default the largest. e.g. "
                              "--array font8x16")
             ->type_name("NAME"),
         kConvertsArray},
        {addCountOption(*command, "--size", options->size, 4096,
                        readBy(kConvertsFace) +
                            "the strike of this height or pixels per em, or the pixel size to "
                            "draw outlines at; by default the first strike, else the size "
                            "that puts every outline point on a pixel corner. e.g. --size 16",
                        1)
             ->type_name("PX"),
         kConvertsFace},
        {addCountOption(*command, "--face", options->face, 0xFFFF,
                        readBy(kConvertsFace) +
                            "the face of a collection (.ttc) to take, counted from 0. e.g. "
                            "--face 1")
             ->type_name("N"),
         kConvertsFace},
    };
    addWordOption(*command, "--charset", options->charset,
                  "unicode (the default) or jisx0201: the glyphs of JIS X 0201's characters "
                  "at its codes 0-255, half-width katakana at 0xA1-0xDF, for a Japanese "
                  "character LCD. e.g. --charset jisx0201",
                  charsetWords());
    command->add_flag("--by-label", options->byLabel,
                      "a classic font's directory: each glyph at the one character its label "
                      "holds, not glyph i at character 32 + i; one whose label is not one "
                      "character is left out. e.g. --by-label");
    const std::vector<TakenOption> writing{
        {command
             ->add_option("--name", write.name,
                          writtenBy(formats::kConvertsName) +
                              "the font's name, made a C symbol where the format is C; by "
                              "default IN's file name up to its first dot. e.g. --name font8x16")
             ->type_name("NAME"),
         formats::kConvertsName},
        {addWordOption(*command, "--layout", write.layout,
                       writtenBy(formats::kConvertsLayout) +
                           "columns (the default: a column's bytes, top first), pages (a row "
                           "of column bytes for each 8 dots down, as an SSD1306 takes) or "
                           "rows (a row's bytes, left first). e.g. --layout pages",
                       cLayoutWords()),
         formats::kConvertsLayout},
        {command->add_flag("--msb-first", write.msbFirst,
                           writtenBy(formats::kConvertsLayout) +
                               "bit 7 is the top dot of a column byte or the left dot of a row "
                               "byte, not bit 0. e.g. --msb-first"),
         formats::kConvertsLayout},
        {command->add_flag("--progmem", write.progmem,
                           writtenBy(formats::kConvertsProgmem) +
                               "put the tables in program memory (PROGMEM) when built for AVR. "
                               "e.g. --progmem"),
         formats::kConvertsProgmem},
        {addCountOption(
             *command, "--scale", options->scale, formats::kLargestScale,
             writtenBy(formats::kConvertsScale) + "pixels a dot, 1-64 (default 1). e.g. --scale 4",
             1)
             ->type_name("N"),
         formats::kConvertsScale},
    };
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
    CLI::Option* name = writing.front().option;
    command->callback([options, out, output, name, reading, writing] {
        if (out->count() == 0 && output->count() == 0) {
            throw CLI::RequiredError("OUT or --output");
        }
        ConvertOptions chosen = *options;
        chosen.named = name->count() > 0;
        if (!chosen.named) {
            // "unifont" of unifont.pcf.gz.
            const std::string file = std::filesystem::path(chosen.source).filename().string();
            chosen.write.name = file.substr(0, file.find('.'));
        }
        run(std::move(chosen), reading, writing);
    });
}

}  // namespace fontedit::cli
