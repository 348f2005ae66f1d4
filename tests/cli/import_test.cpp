#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "cli_process.h"
#include "folder/font_folder.h"
#include "formats/font_import.h"
#include "formats/own/font_files.h"
#include "formats/png/png_render.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::cli {
namespace {

using support::readBytes;
using support::ScratchDirectory;

// A 256-character table of the sample font as a firmware source would hold it: one row of
// braces per character, the printable ones from the sample, the others a pattern of their own;
// constants in hex, decimal and octal, with comments of both kinds.
std::string characterTable() {
    const state::FontData sample = folder::loadFont(sampleFontDir());
    std::string source =
        "#include <stdint.h>\n/* glyphs { 5 x 8 } */\nconst uint8_t font[256][5] = {\n";
    for (int character = 0; character < 256; ++character) {
        const bool printable = character >= 0x20 && character < 0x80;
        source += "    {";
        for (int column = 0; column < 5; ++column) {
            const int byte = printable ? static_cast<int>(std::stoul(
                                             sample.cells[character - 0x20][column], nullptr, 16))
                                       : (character + column) & 0xFF;
            const char* format = character % 3 == 0 ? "0x%02Xu" : character % 3 == 1 ? "%d" : "0%o";
            char text[16];
            std::snprintf(text, sizeof text, format, byte);
            source += std::string(column == 0 ? " " : ", ") + text;
        }
        source += " },  // " + std::to_string(character) + "\n";
    }
    return source + "};\n";
}

TEST(CliImport, ACharacterTableAtTheAsciiOffsetGivesTheSampleFont) {
    const ScratchDirectory work;
    support::writeBytes(work / "font.c", characterTable());
    const std::string source = (work / "font.c").string();
    const std::string dir = work.path().string();

    const CliResult imported = runCli({"import", "--offset", "0xA0", source, dir});
    ASSERT_EQ(imported.status, 0) << imported.err;
    for (const char* name : {formats::kFontFileName, formats::kLabelFileName}) {
        EXPECT_EQ(readBytes(work / name), readBytes(sampleFontDir() / name)) << name;
    }
    const CliResult exported = runCli({"export", "-o", "-", dir});
    const CliResult sampleExport = runCli({"export", "-o", "-", sampleFontDir().string()});
    EXPECT_EQ(exported.out, sampleExport.out);
    EXPECT_NE(exported.out.find("    { 0x7C, 0x12, 0x11, 0x12, 0x7C }, // A  33\r\n"),
              std::string::npos);

    // Another offset keeps the bytes but cannot name the characters; it replaces the old
    // files only when told to.
    const std::string before = readBytes(work / formats::kFontFileName);
    const CliResult refused = runCli({"import", source, dir, "--offset=0"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "fontedit-cli: " + (work / formats::kFontFileName).string() +
                               " exists; use --force to replace the font files\n");
    EXPECT_EQ(readBytes(work / formats::kFontFileName), before);

    const CliResult forced = runCli({"import", "--force", "--offset=0", source, dir});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(forced.err, "fontedit-cli: " + source +
                              ":3: took the array 'font'\nfontedit-cli: " + source +
                              ": took columns, bit 0 top, 5 bytes a glyph (--layout columns "
                              "--stride 5)\n");
    const std::string fonts = readBytes(work / formats::kFontFileName);
    EXPECT_EQ(fonts.substr(0, fonts.find('\n') + 1), "0, 1, 2, 3, 4\r\n");
}

// A short table fills the rest with empty glyphs, and the directory is made where it is missing.
TEST(CliImport, CreatesTheDirectoryAndSaysWhatItFilled) {
    const ScratchDirectory work;
    support::writeBytes(work / "font.c",
                        "const unsigned char f[][5] = {\n{1,2,3,4,5},\n{6,7,8,9,10}};");
    const std::string source = (work / "font.c").string();
    const CliResult result =
        runCli({"import", "--layout", "columns", source, (work / "a" / "b").string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "fontedit-cli: " + source + ":1: took the array 'f'\n" +
                              "fontedit-cli: " + source +
                              ": the table ends early; the last 94 glyphs are left empty\n");
    const std::string fonts = readBytes(work / "a" / "b" / formats::kFontFileName);
    EXPECT_EQ(fonts.substr(0, 45), "1, 2, 3, 4, 5\r\n6, 7, 8, 9, A\r\n0, 0, 0, 0, 0\r\n");
}

// The sample font written as other projects write their tables; each comes back with no
// options, saying which shape it took.
TEST(CliImport, GuessesEachShapeOfTheSampleFont) {
    const state::FontData sample = folder::loadFont(sampleFontDir());
    const auto column = [&](int code, int c) {
        return static_cast<int>(std::stoul(sample.cells[code][c], nullptr, 16));
    };
    // Row `row` of glyph `code` with the left dot in bit `leftBit`.
    const auto row = [&](int code, int row, int leftBit) {
        int bits = 0;
        for (int c = 0; c < 5; ++c) bits |= (column(code, c) >> row & 1) << (leftBit - c);
        return bits;
    };
    const auto hex = [](int byte) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%02X,", byte);
        return std::string(text);
    };
    std::string spaced = "const unsigned char font[] = {\n";  // 224 glyphs from code 0
    for (int code = 0; code < 224; ++code) {
        for (int c = 0; c < 6; ++c) {
            const bool drawn = code >= 32 && code < 128 && c < 5;
            spaced += hex(drawn ? column(code - 32, c) : 0);
        }
        spaced += '\n';
    }
    std::string msbLeft = "static const uint8_t font[] = {\n";  // 95 glyphs from the space
    std::string cgrom = "static const uint8_t cgrom[256][8] = {\n";
    std::string msbTop = "unsigned char f[96][5] = {\n";
    for (int code = 0; code < 95; ++code) {
        cgrom += "  [" + hex(code + 32);
        cgrom.back() = ']';
        cgrom += " = {";
        for (int r = 0; r < 8; ++r) {
            msbLeft += hex(row(code, r, 7));
            std::string binary = "0b";
            for (int bit = 4; bit >= 0; --bit) binary += row(code, r, 4) >> bit & 1 ? '1' : '0';
            cgrom += binary + ",";
        }
        cgrom += "},\n";
        for (int c = 0; c < 5; ++c) {
            int reversed = 0;
            for (int bit = 0; bit < 8; ++bit) reversed |= (column(code, c) >> bit & 1) << (7 - bit);
            msbTop += hex(reversed);
        }
    }
    struct Case {
        std::string source;
        std::vector<std::string> options;
        std::string took;
    };
    const Case cases[] = {
        {spaced + "};", {"--offset", "192"}, "columns, bit 0 top, 6 bytes a glyph"},
        {msbLeft + "};", {}, "rows, bit 7 left, 8 bytes a glyph"},
        {cgrom + "};", {"--offset", "256"}, "rows, bit 4 left, 8 bytes a glyph"},
        {msbTop + "};", {}, "columns, bit 7 top, 5 bytes a glyph"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.took);
        const ScratchDirectory work;
        support::writeBytes(work / "font.c", c.source);
        std::vector<std::string> args{"import", (work / "font.c").string(), work.path().string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult result = runCli(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.err.find(": took " + c.took + " (--layout"), std::string::npos)
            << result.err;
        const state::FontData font = folder::loadFont(work.path());
        for (int code = 0; code < 95; ++code) EXPECT_EQ(font.cells[code], sample.cells[code]);
        EXPECT_EQ(font.labels[33], "A");
    }
}

// An X11 font as Debian installs it, PCF packed by gzip, taller than the cell.
TEST(CliImport, TakesAnInstalledX11FontAsItIs) {
    const ScratchDirectory work;
    const std::string dir = work.path().string();
    const std::string source = "/usr/share/fonts/X11/misc/6x10.pcf.gz";
    const CliResult refused = runCli({"import", source, dir});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "fontedit-cli: " + source +
                               ": glyph \"grave\" has dots outside the 5 x 8 cell; --crop loses "
                               "the fewest dots: 11 in glyphs \"grave\", \"g\", \"j\", \"p\", "
                               "\"q\", \"y\"\n");

    const CliResult taken = runCli({"import", "--crop", "--baseline", "5", source, dir});
    EXPECT_EQ(taken.status, 0);
    EXPECT_EQ(taken.err, "fontedit-cli: " + source + ": 68 glyphs lost dots to --crop\n" +
                             "fontedit-cli: " + source +
                             ": no glyph at ENCODING 127; its glyph is left empty\n");
    const state::FontData font = folder::loadFont(work.path());
    EXPECT_EQ(font.cells[71][4], "7E") << "the tail of g";
    EXPECT_EQ(font.labels[33], "A");
}

// A TrueType font with a bitmap strike of 4 x 8, as Debian installs it and packed by gzip: on
// the cell's own baseline, "A" standing on it and "g" with its one-row descent.
TEST(CliImport, TakesAnInstalledTrueTypeFontOnTheCellsBaseline) {
    const ScratchDirectory work;
    const std::string source = "/usr/share/fonts/truetype/misaki/misaki_gothic.ttf";
    const std::string packed = (work / "misaki.ttf.gz").string();
    ASSERT_EQ(std::system(("gzip -c " + source + " > " + packed).c_str()), 0);
    for (const std::string& file : {source, packed}) {
        SCOPED_TRACE(file);
        const CliResult taken = runCli({"import", "--force", file, work.path().string()});
        EXPECT_EQ(taken.status, 0);
        EXPECT_EQ(taken.err, "fontedit-cli: " + file +
                                 ": no glyph for the character U+007F; its glyph is left empty\n");
        const state::FontData font = folder::loadFont(work.path());
        EXPECT_EQ(font.cells[33], (std::array<std::string, 5>{"7C", "12", "7C", "0", "0"}));
        EXPECT_EQ(font.cells[71], (std::array<std::string, 5>{"90", "A8", "78", "0", "0"}));
        EXPECT_EQ(font.labels[71], "g");
    }
    const CliResult collection =
        runCli({"import", "--format", "ttf", "--face", "1", source, (work / "other").string()});
    EXPECT_EQ(collection.status, 1);
    EXPECT_EQ(collection.err, "fontedit-cli: " + source +
                                  ": --face N names a face of the file by its number, from 0 "
                                  "to 0\n");
}

// The sheet render draws comes back as the font it was drawn from, told by its content.
TEST(CliImport, TakesBackTheSheetRenderDrew) {
    const ScratchDirectory work;
    const std::string sheet = (work / "sheet.png").string();
    ASSERT_EQ(runCli({"render", "--scale", "3", "-o", sheet, sampleFontDir().string()}).status, 0);
    const CliResult imported = runCli({"import", sheet, (work / "font").string()});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    for (const char* name : {formats::kFontFileName, formats::kLabelFileName}) {
        EXPECT_EQ(readBytes(work / "font" / name), readBytes(sampleFontDir() / name)) << name;
    }
}

TEST(CliImport, RefusesSourcesThatHoldNoFontTable) {
    const std::string installedPcfGz = readBytes("/usr/share/fonts/X11/misc/5x8.pcf.gz");
    const std::string installedPcf = formats::gunzip(installedPcfGz);
    const state::FontData sample = folder::loadFont(sampleFontDir());
    struct Case {
        std::string source;
        std::vector<std::string> options;
        std::string message;  // after "fontedit-cli: font.c"
    };
    const Case cases[] = {
        {"int x = 0;\n", {}, ": no brace-enclosed list found"},
        {"int a[] = { 1, 2, 3 };", {"--array", "b"}, ": no array is called \"b\""},
        {"int a[] = { 1, 2, 3 };",
         {"--array", "a"},
         ":1: the array ends inside a glyph, after 3 values"},
        {"unsigned char f[][6] = {\n{1,2,3,4,5,6}};",
         {},
         ":1: the array is 6 columns wide; a font of 5 columns is needed"},
        {"unsigned char f[][5] = {\n{1,2,3,4,5},\n{1,2,3,4,0x1FF}};",
         {},
         ":3: \"0x1FF\" is not a byte"},
        {"unsigned char f[][5] = {\n{1,2,3,4,5},\n#if X(1)\n{1,2,3,4,5},\n#endif\n};",
         {},
         ":3: \"#if X(1)\" stands inside the list; preprocess the file first, as with 'cpp -P'"},
        {"unsigned char f[][5] = {\n{1,2,3,\x1B[31m,5}};",
         {"--array", "f"},
         ":2: \"\\x1B[31m\" is not an integer constant"},
        {std::string("\x7F"
                     "ELF\x01\x00\x07{\x00}",
                     10),
         {},
         ": not a font in any format this program reads (C, BDF, PCF, binary, PNG, "
         "TrueType/OpenType, u8g2, u8x8, LVGL, GFXfont or PSF, gzip packed or not): it starts "
         "\"\\x7FELF\\x01\\x00\\x07{\\x00}\""},
        {installedPcf.substr(0, 4096),
         {},
         ": the PCF table \"accelerators\" reaches past the end of the file; is it cut short?"},
        {installedPcfGz.substr(0, 4096), {}, ": the gzip data is damaged or cut short"},
        {"STARTFONT 2.1\nCHARS 0\nENDFONT\n",
         {},
         ": no glyph has one of the 96 encodings from 32; choose the first with --first"},
        // A glyph's name in quotation marks of its own, with the cut it would take.
        {"STARTFONT 2.1\nSTARTCHAR \"\nENCODING 33\nBBX 6 1 0 0\nBITMAP\nFC\nENDCHAR\nENDFONT\n",
         {},
         ":2: glyph \"\\\"\" has dots outside the 5 x 8 cell; --crop loses the fewest dots: 1 in "
         "glyphs \"\\\"\""},
        // Every reading whole, one a line.
        {"#define ROWS 8\nconst uint8_t f[][ROWS] = {{0}};",
         {},
         ":2: cannot tell how the table holds its glyphs; choose one of these readings, with "
         "--first for the first code:\n    --layout columns --stride 8\n    --layout columns "
         "--msb-top --stride 8\n    --layout rows --stride 8\n    --layout rows --msb-left "
         "--stride 8"},
        {formats::sheetPng(sample).substr(0, 100), {}, ": the PNG image ends early"},
        {formats::textPng(sample, "Hi"),
         {},
         ": the image is 44 x 32 pixels; a sheet is 114 x 62 dots at a whole scale from 1 to 64"},
        {"unsigned char f[][5] = {{1,2,3,4,5}};", {"--format", "png"}, ": not a PNG image"},
    };
    for (const Case& c : cases) {
        const ScratchDirectory work;
        support::writeBytes(work / "font.c", c.source);
        std::vector<std::string> args{"import", (work / "font.c").string(), work.path().string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, 1) << c.source;
        EXPECT_EQ(result.err, "fontedit-cli: " + (work / "font.c").string() + c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(work / formats::kFontFileName)) << c.source;
    }
}

}  // namespace
}  // namespace fontedit::cli
