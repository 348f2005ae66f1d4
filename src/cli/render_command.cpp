#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/font_files.h"
#include "formats/panel_notes.h"
#include "formats/png_render.h"

namespace fontedit::cli {
namespace {

std::string lookNames() {
    std::string names;
    for (const formats::DisplayLook& look : formats::displayLooks()) {
        names += (names.empty() ? "" : ", ") + std::string(look.name);
    }
    return names;
}

std::string commonSizeNames() {
    std::string names;
    for (const formats::PanelSize size : formats::commonPanelSizes()) {
        names += (names.empty() ? "" : " or ") + formats::panelSizeName(size);
    }
    return names;
}

// PNG allows wider images, but one this wide is already hundreds of megabytes in memory.
constexpr std::size_t kWidestImage = 1 << 20;

struct RenderOptions {
    std::optional<std::string> text;  // the whole font as a sheet when not given
    std::optional<std::size_t> scale;
    formats::DisplayLook look = formats::paperLook();
    std::optional<formats::PanelSize> panel;
    std::string output;
    std::string dir = ".";
};

void run(const RenderOptions& options) {
    const std::filesystem::path dir(options.dir);
    const state::FontData data = folder::loadFont(dir);
    const int scale = static_cast<int>(options.scale.value_or(options.look.defaultScale));
    std::string png;
    inFile((dir / formats::kFontFileName).string(), [&] {
        if (options.panel) {
            const formats::PanelPicture picture = formats::panelPng(
                data, options.text.value_or(""), *options.panel, scale, options.look);
            png = picture.png;
            for (const std::string& note :
                 formats::panelNotes(picture.text, *options.panel, messages::english)) {
                std::cerr << "fontedit-cli: " << note << '\n';
            }
        } else {
            png = options.text ? formats::textPng(data, *options.text, scale, options.look)
                               : formats::sheetPng(data, scale, options.look);
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
    std::string looks;
    for (const formats::DisplayLook& look : formats::displayLooks()) {
        looks +=
            (looks.empty() ? "" : "; ") + std::string(look.name) + ": " + std::string(look.summary);
    }
    command
        ->add_option_function<std::string>(
            "--look",
            [options](const std::string& name) { options->look = *formats::lookNamed(name); },
            looks + " (default paper)")
        ->check(CLI::Validator(
            [](const std::string& name) {
                return formats::lookNamed(name) ? std::string()
                                                : "'" + name + "' is no look: " + lookNames();
            },
            ""))
        ->type_name("NAME");
    command
        ->add_option_function<std::string>(
            "--layout",
            [options](const std::string& name) { options->panel = formats::panelSizeNamed(name); },
            "COLUMNSxROWS: lay the text out on a character LCD of that many 5 x 8 cells, such "
            "as " +
                commonSizeNames() + ", each line of the text on a row of its own")
        ->check(CLI::Validator(
            [](const std::string& name) {
                return formats::panelSizeNamed(name)
                           ? std::string()
                           : "'" + name + "' is not COLUMNSxROWS of at most 40x4";
            },
            ""))
        ->type_name("SIZE");
    command->add_option("-o,--output", options->output, "the PNG file, - for standard output")
        ->type_name("FILE")
        ->required();
    command->add_option("DIR", options->dir, "the font's directory (default .)")->type_name("");
    command->callback([options] {
        const std::size_t scale = options->scale.value_or(formats::kDefaultScale);
        // Counting bytes, not characters, errs on the safe side.
        if (options->text && options->text->size() * 6 * scale > kWidestImage) {
            throw CLI::ValidationError("--text", "the image would be wider than " +
                                                     std::to_string(kWidestImage) + " pixels");
        }
        // An empty panel drawn would look like a font that shows nothing.
        if (options->panel && !options->text) {
            throw CLI::ValidationError("--layout", "there is no text to show; give it with --text");
        }
        run(*options);
    });
}

}  // namespace fontedit::cli
