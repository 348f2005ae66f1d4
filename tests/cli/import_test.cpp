#include <gtest/gtest.h>

#include <cstdio>

#include "cli_process.h"
#include "files/font_files.h"
#include "test_support.h"

namespace fontedit::cli {
namespace {

using files::readBytes;
using files::ScratchDirectory;

// A 256-character table of the sample font as a firmware source would hold it: one row of
// braces per character, the printable ones from the sample, the others a pattern of their own;
// constants in hex, decimal and octal, with comments of both kinds.
std::string characterTable() {
    const files::FontData sample = files::loadFontFiles(sampleFontDir());
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
    files::writeBytes(work / "font.c", characterTable());
    const std::string source = (work / "font.c").string();
    const std::string dir = work.path().string();

    const CliResult imported = runCli({"import", "--offset", "0xA0", source, dir});
    ASSERT_EQ(imported.status, 0) << imported.err;
    for (const char* name : {files::kFontFileName, files::kLabelFileName}) {
        EXPECT_EQ(readBytes(work / name), readBytes(sampleFontDir() / name)) << name;
    }
    const CliResult exported = runCli({"export", "-o", "-", dir});
    const CliResult sampleExport = runCli({"export", "-o", "-", sampleFontDir().string()});
    EXPECT_EQ(exported.out, sampleExport.out);
    EXPECT_NE(exported.out.find("    { 0x7C, 0x12, 0x11, 0x12, 0x7C }, // A  33\r\n"),
              std::string::npos);

    // Another offset keeps the bytes but cannot name the characters; it replaces the old
    // files only when told to.
    const std::string before = readBytes(work / files::kFontFileName);
    const CliResult refused = runCli({"import", source, dir, "--offset=0"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "fontedit-cli: " + (work / files::kFontFileName).string() +
                               " exists; use --force to replace the font files\n");
    EXPECT_EQ(readBytes(work / files::kFontFileName), before);

    const CliResult forced = runCli({"import", "--force", "--offset=0", source, dir});
    EXPECT_EQ(forced.status, 0) << forced.err;
    const std::string fonts = readBytes(work / files::kFontFileName);
    EXPECT_EQ(fonts.substr(0, fonts.find('\n') + 1), "0, 1, 2, 3, 4\r\n");
    std::string emptyLabels;
    for (int code = 0; code < 96; ++code) emptyLabels += "\r\n";
    EXPECT_EQ(readBytes(work / files::kLabelFileName), emptyLabels);
}

TEST(CliImport, RefusesSourcesThatHoldNoFontTable) {
    struct Case {
        const char* source;
        std::vector<std::string> options;
        std::string message;  // after "fontedit-cli: font.c"
    };
    const Case cases[] = {
        {"int x = 0;\n", {}, ": no brace-enclosed list found"},
        {"char s[] = \"{\"; /* { */ // {\nint a[] = {\n 1, 2,\n FOO };",
         {},
         ":4: 'FOO' is not an integer constant"},
        {"int a[] = { 1, -2 };", {}, ":1: '-' is not an integer constant"},
        {"int a[] = { 0x1G };", {}, ":1: '0x1G' is not an integer constant"},
        {"int a[] = { 1, 2,\n 3, ", {}, ":2: the list opened on line 1 is never closed"},
        {"int a[] = { 1 /* 2,\n 3 };", {}, ":1: the comment is never closed"},
        {"int a[] = { 1, 2, 3 };", {}, ": the list holds 3 values; 480 from offset 0 need 480"},
        {"int a[] = { 1, 2, 3 };",
         {"--offset", "5"},
         ": the list holds 3 values; 480 from offset 5 need 485"},
    };
    for (const Case& c : cases) {
        const ScratchDirectory work;
        files::writeBytes(work / "font.c", c.source);
        std::vector<std::string> args{"import", (work / "font.c").string(), work.path().string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, 1) << c.source;
        EXPECT_EQ(result.err, "fontedit-cli: " + (work / "font.c").string() + c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(work / files::kFontFileName)) << c.source;
    }
}

TEST(CliImport, RefusesValuesBeyondAByteAmongThoseTaken) {
    const ScratchDirectory work;
    std::string source = "int a[] = {\n256,\n";
    for (int i = 0; i < 480; ++i) source += "255,";
    files::writeBytes(work / "font.c", source + "\n300 };");
    const std::string file = (work / "font.c").string();
    EXPECT_EQ(runCli({"import", "--offset", "1", file, work.path().string()}).status, 0);

    const CliResult result = runCli({"import", "--force", file, work.path().string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "fontedit-cli: " + file + ":2: 256 is not a byte\n");
}

}  // namespace
}  // namespace fontedit::cli
