#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/english_output.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/own/font_files.h"
#include "formats/png/png_render.h"
#include "messages/panel_notes.h"
#include "state/joined.h"

namespace fontedit::cli {
namespace {

std::string lookNames() {
    std::vector<std::string> names;
    for (const pictures::DisplayLook& look : pictures::displayLooks())
        names.emplace_back(look.name);
    return state::joined(names, ", ");
}

std::string commonSizeNames() {
    std::vector<std::string> names;
    for (const pictures::PanelSize size : pictures::commonPanelSizes()) {
        names.push_back(pictures::panelSizeName(size));
    }
    return state::joined(names, " or ");
}

struct RenderOptions {
    std::optional<std::string> text;  // the whole font as a sheet when not given
    std::optional<std::size_t> scale;
    pictures::DisplayLook look = pictures::paperLook();
    std::optional<pictures::PanelSize> panel;
    std::string output;
    std::string dir = ".";
};

// The pixels a dot pitch takes: --scale, else the look's own.
std::size_t scaleOf(const RenderOptions& options) {
    return options.scale.value_or(static_cast<std::size_t>(options.look.defaultScale));
}

std::string drawn(const RenderOptions& options, const state::FontData& data, int scale) {
    if (options.panel) {
        const formats::PanelPicture picture =
            formats::panelPng(data, options.text.value_or(""), *options.panel, scale, options.look);
        for (const std::string& note :
             messages::panelNotes(picture.text, *options.panel, messages::english)) {
            std::cerr << "fontedit-cli: " << note << '\n';
        }
        return picture.png;
    }
    return options.text ? formats::textPng(data, *options.text, scale, options.look)
                        : formats::sheetPng(data, scale, options.look);
}

void run(const RenderOptions& options) {
    const std::filesystem::path dir(options.dir);
    const state::FontData data = folder::loadFont(dir);
    const int scale = static_cast<int>(scaleOf(options));
    std::string png;
    inFile((dir / formats::kFontFileName).string(), [&] {
        try {
            png = drawn(options, data, scale);
        } catch (state::Failure& failure) {
            // The picture's own failures are about the image, not the font it draws.
            if (failure.cause() == state::Cause::ImageTooLarge ||
                failure.cause() == state::Cause::PngNotEncoded) {
                failure.facts().file = options.output;
            }
            throw;
        }
    });
    writeOutput(options.output, png);
}

}  // namespace

void addRenderCommand(CLI::App& app) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render",
        "Draw the font of DIR as a PNG image: a line of text, or a sheet of all 96 "
        "glyphs, 16 to a row.");
    command
        ->add_option("--text", options->text,
                     "the text to draw; a character takes the glyph it labels, or else its "
                     "ASCII code - 32")
        ->check(CLI::Validator(
            [](const std::string& text) {
                return text.empty() ? std::string("the text is empty") : std::string();
            },
            ""))
        ->type_name("TEXT");
    addCountOption(*command, "--scale", options->scale, formats::kLargestScale,
                   "pixels per dot on each side (default 4)", 1)
        ->type_name("N");
    std::vector<std::string> lookLines;
    for (const pictures::DisplayLook& look : pictures::displayLooks()) {
        lookLines.push_back(std::string(look.name) + ": " + std::string(look.summary));
    }
    const std::string looks = state::joined(lookLines, "; ");
    command
        ->add_option_function<std::string>(
            "--look",
            [options](const std::string& name) { options->look = *pictures::lookNamed(name); },
            looks + " (default paper)")
        ->check(acceptedBy(
            [](const std::string& name) { return pictures::lookNamed(name).has_value(); },
            "is no look: " + lookNames()))
        ->type_name("NAME");
    command
        ->add_option_function<std::string>(
            "--layout",
            [options](const std::string& name) { options->panel = pictures::panelSizeNamed(name); },
            "COLUMNSxROWS: lay the text out on a character LCD of that many 5 x 8 cells, such "
            "as " +
                commonSizeNames() + ", each line of the text on a row of its own")
        ->check(acceptedBy(
            [](const std::string& name) { return pictures::panelSizeNamed(name).has_value(); },
            "is not COLUMNSxROWS of at most 40x4"))
        ->type_name("SIZE");
    command->add_option("-o,--output", options->output, "the PNG file, - for standard output")
        ->type_name("FILE")
        ->required();
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options] {
        const std::size_t scale = scaleOf(*options);
        // Counting bytes, not characters, errs on the safe side.
        if (options->text && options->text->size() * 6 * scale > pictures::kLongestSide) {
            throw CLI::ValidationError("--text", "the image would be wider than " +
                                                     std::to_string(pictures::kLongestSide) +
                                                     " pixels");
        }
        // An empty panel drawn would look like a font that shows nothing.
        if (options->panel && !options->text) {
            throw CLI::ValidationError("--layout", "there is no text to show; give it with --text");
        }
        run(*options);
    });
}

}  // namespace fontedit::cli
