#include <memory>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/option_values.h"
#include "cli/output.h"
#include "folder/font_folder.h"
#include "formats/font_files.h"
#include "formats/png_render.h"

namespace fontedit::cli {
namespace {

// PNG allows wider images, but one this wide is already hundreds of megabytes in memory.
constexpr std::size_t kWidestImage = 1 << 20;

struct RenderOptions {
    std::optional<std::string> text;  // the whole font as a sheet when not given
    std::optional<std::size_t> scale;
    std::string output;
    std::string dir = ".";
};

void run(const RenderOptions& options) {
    const std::filesystem::path dir(options.dir);
    const state::FontData data = folder::loadFont(dir);
    const int scale = static_cast<int>(options.scale.value_or(formats::kDefaultScale));
    std::string png;
    inFile((dir / formats::kFontFileName).string(), [&] {
        png = options.text ? formats::textPng(data, *options.text, scale)
                           : formats::sheetPng(data, scale);
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
        run(*options);
    });
}

}  // namespace fontedit::cli
