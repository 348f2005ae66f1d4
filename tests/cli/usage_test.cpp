#include <gtest/gtest.h>

#include "cli_process.h"

namespace fontedit::cli {
namespace {

TEST(CliUsage, WrongUsageExitsTwoNamingTheCommand) {
    struct Case {
        std::vector<std::string> args;
        std::string command;  // as the message names it
        std::string message;
    };
    const Case cases[] = {
        {{}, "", "A subcommand is required"},
        {{"frobnicate"}, "", "unknown command 'frobnicate'"},
        {{"-x"}, "", "unknown option '-x'"},
        {{"export", "--bogus"}, " export", "The following argument was not expected: --bogus"},
        {{"export", "a", "b"}, " export", "The following argument was not expected: b"},
        {{"check", "-o", "x"}, " check", "The following argument was not expected: -o"},
        {{"show", "--force"}, " show", "The following argument was not expected: --force"},
        {{"import"}, " import", "FILE is required"},
        {{"import", "f.c", "--offset", "-1"}, " import", "--offset: '-1' is not a number"},
        {{"import", "f.c", "--offset=0x"}, " import", "--offset: '0x' is not a number"},
        {{"import", "f.c", "--format", "pdf"},
         " import",
         "--format: 'pdf' is none of c, bdf, pcf, bin, png, ttf, u8g2, u8x8, lvgl, gfxfont, psf"},
        {{"import", "f.pcf", "--baseline", "8"}, " import", "--baseline: '8' is more than 7"},
        {{"export", "--name", "my font", "--format", "c"},
         " export",
         "--name: 'my font' is not a C identifier"},
        {{"export", "--progmem"}, " export", "--progmem: applies only to --format c"},
        {{"export", "--format", "c", "--first", "0"},
         " export",
         "--first: applies only to --format bdf, u8g2, u8x8, lvgl, gfxfont, glcdfont, max72xx and "
         "psf"},
        {{"export", "--format", "c", "--layout", "rows", "--msb-top"},
         " export",
         "--msb-top: applies only to the column layout"},
        {{"export", "--format", "u8x8", "--first", "200"},
         " export",
         "--first: --format u8x8 holds glyph 95 only up to --first 160"},
        {{"export", "--format", "bdf", "--first", "0xFFFF"},
         " export",
         "--first: '0xFFFF' is more than 65440"},
        {{"export", "--format", "c", "--codes", "0-96"},
         " export",
         "--codes: '96' is not a glyph code 0-95"},
        {{"export", "--format", "bin", "--codes", "7-0"},
         " export",
         "--codes: '7-0' runs backwards"},
        {{"export", "--format", "c", "--codes", "1,x,3"},
         " export",
         "--codes: 'x' is not a glyph code 0-95"},
        {{"export", "--format", "c", "--codes", "0-7,3"}, " export", "--codes: '3' is given twice"},
        {{"export", "--format", "c", "--codes", "0-7,"},
         " export",
         "--codes: '' is not a glyph code 0-95"},
        {{"export", "--format", "bdf", "--codes", "0-7"},
         " export",
         "--codes: applies only to --format c, bin and hd44780"},
        {{"render", "."}, " render", "--output is required"},
        {{"render", "-o", "x.png", "--scale", "0"}, " render", "--scale: '0' is less than 1"},
        {{"render", "-o", "x.png", "--scale", "64", "--text", std::string(3000, 'a')},
         " render",
         "--text: the image would be wider than 1000000 pixels"},
        // The look's own scale, 8 for lcd-green, is the one drawn at and judged.
        {{"render", "-o", "x.png", "--look", "lcd-green", "--text", std::string(30000, 'a')},
         " render",
         "--text: the image would be wider than 1000000 pixels"},
        // Wide enough for the canvas, too wide for PNG: refused before drawing.
        {{"render", "-o", "x.png", "--text", std::string(41667, 'a')},
         " render",
         "--text: the image would be wider than 1000000 pixels"},
        {{"render", "-o", "x.png", "--layout", "16x2"},
         " render",
         "--layout: there is no text to show; give it with --text"},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_EQ(result.err, "fontedit-cli" + c.command + ": " + c.message +
                                  "\nRun 'fontedit-cli" + c.command +
                                  " --help' for more information.\n");
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliUsage, HelpOnEveryCommandAndVersionGoToStandardOutput) {
    const CliResult help = runCli({"-h"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"export", "render", "show", "check", "import", "convert"}) {
        EXPECT_NE(help.out.find("\n  " + std::string(command) + " "), std::string::npos) << command;
        for (const char* flag : {"-h", "--help"}) {
            const CliResult commandHelp = runCli({command, "x", flag});
            EXPECT_EQ(commandHelp.status, 0) << command;
            EXPECT_EQ(commandHelp.err, "") << command;
            EXPECT_NE(commandHelp.out.find("Usage: fontedit-cli " + std::string(command) + " ["),
                      std::string::npos)
                << commandHelp.out;
        }
    }
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "fontedit-cli " FONTEDIT_VERSION "\n");
    EXPECT_EQ(help.err + version.err, "");
}

// After "--" every argument is an operand, even one that looks like an option.
TEST(CliUsage, DoubleDashEndsTheOptions) {
    const CliResult result = runCli({"show", "--", "--help"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "fontedit-cli: --help/fntdat.txt: no such file\n");
}

}  // namespace
}  // namespace fontedit::cli
