#include <gtest/gtest.h>

#include "cli_process.h"
#include "editing/editor.h"
#include "files/font_files.h"
#include "files/header_export.h"
#include "test_support.h"

namespace fontedit::cli {
namespace {

using files::readBytes;
using files::ScratchDirectory;

// "読出し" then "Cヘッダ生成" in the editor itself.
std::string editorExport(const std::filesystem::path& fontDir) {
    editing::Editor editor;
    files::readFont(editor, fontDir);
    const ScratchDirectory out;
    files::exportHeader(editor.state(), out.path());
    return readBytes(out / files::kHeaderFileName);
}

TEST(CliExport, WritesTheEditorsHeaderByteForByte) {
    const std::string expected = editorExport(sampleFontDir());
    ASSERT_NE(expected.find("    { 0x7C, 0x12, 0x11, 0x12, 0x7C }, // A  33\r\n"),
              std::string::npos);

    const ScratchDirectory work;
    copySampleFont(work.path());
    const std::string dir = work.path().string();
    const std::string file = (work / "elsewhere.h").string();
    struct Case {
        std::vector<std::string> args;
        std::filesystem::path written;  // empty: standard output
    };
    const Case cases[] = {
        {{"export", dir}, work / files::kHeaderFileName},
        {{"export", "-o", file, dir}, file},
        {{"export", dir, "--output=-"}, {}},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.status, 0) << c.args[1] << ": " << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(c.written.empty() ? result.out : readBytes(c.written), expected) << c.args[1];
    }
}

TEST(CliExport, FaultyFilesExitOneWithAnEnglishMessage) {
    using Path = std::filesystem::path;
    struct Case {
        const char* change;
        void (*apply)(const Path& dir);
        const char* file;
        std::string message;
    };
    const Case cases[] = {
        {"bytes that are not CP932 in a cell",
         [](const Path& dir) { files::writeBytes(dir / files::kFontFileName, "0, \x82, 0\r\n"); },
         files::kFontFileName, ":1: holds bytes that are not CP932: \"\\x82\""},
        {"a short label file",
         [](const Path& dir) { files::writeBytes(dir / files::kLabelFileName, "A\r\nB\r\n"); },
         files::kLabelFileName, ": the file ends before all 96 glyphs are read"},
        {"no font file",
         [](const Path& dir) { std::filesystem::remove(dir / files::kFontFileName); },
         files::kFontFileName, ": no such file"},
    };
    for (const Case& c : cases) {
        const ScratchDirectory work;
        copySampleFont(work.path());
        c.apply(work.path());
        const CliResult result = runCli({"export", work.path().string()});
        EXPECT_EQ(result.status, 1) << c.change;
        EXPECT_EQ(result.err, "fontedit-cli: " + (work / c.file).string() + c.message + "\n")
            << c.change;
        EXPECT_FALSE(std::filesystem::exists(work / files::kHeaderFileName)) << c.change;
    }
}

TEST(CliShow, DrawsGlyphsWithCodeLabelAndColumnBytes) {
    const CliResult glyphs = runCli({"show", sampleFontDir().string(), "33", "0x5F"});
    EXPECT_EQ(glyphs.status, 0) << glyphs.err;
    EXPECT_EQ(glyphs.out,
              "33 \"A\"  7C, 12, 11, 12, 7C\n"
              "..#..\n.#.#.\n#...#\n#...#\n#####\n#...#\n#...#\n.....\n"
              "\n"
              "95 \"DEL\"  55, AA, 55, AA, 55\n"
              "#.#.#\n.#.#.\n#.#.#\n.#.#.\n#.#.#\n.#.#.\n#.#.#\n.#.#.\n");

    const CliResult sheet = runCli({"show", sampleFontDir().string()});
    EXPECT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_EQ(sheet.out.substr(0, sheet.out.find('\n', sheet.out.find('\n') + 1) + 1),
              " 0      1 !    2 \"    3 #    4 $    5 %    6 &    7 '    8 (    9 )\n"
              ".....  ..#..  .#.#.  .#.#.  ..#..  ##...  .##..  ..#..  ...#.  .#...\n");
    EXPECT_NE(sheet.out.find("\n90 z   91 {   92 |   93 }   94 ~   95 DEL\n"), std::string::npos);
}

}  // namespace
}  // namespace fontedit::cli
