#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>

#include "cli_process.h"
#include "document/font_document.h"
#include "editing/editor.h"
#include "folder/font_folder.h"
#include "formats/common/font_bytes.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "formats/tables/c_source_export.h"
#include "formats/x11/bdf_export.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::cli {
namespace {

using support::readBytes;
using support::ScratchDirectory;

// "読出し" then "Cヘッダ生成" in the editor itself.
std::string editorExport(const std::filesystem::path& fontDir) {
    editing::Editor editor;
    document::FontDocument(editor, fontDir).read();
    const ScratchDirectory out;
    document::FontDocument(editor, out.path()).exportHeader();
    return readBytes(out / formats::kHeaderFileName);
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
        {{"export", dir}, work / formats::kHeaderFileName},
        {{"export", "-o", file, dir}, file},
        {{"export", dir, "--output=-"}, {}},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.status, 0) << c.args[1] << ": " << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(c.written.empty() ? result.out : readBytes(c.written), expected) << c.args[1];
    }

    // Columns never drawn stay a bare "0x", as the classic font.h has them, and the user is told.
    std::string font = readBytes(work / formats::kFontFileName);
    font.replace(0, font.find('\r'), ", , , , 1F");
    support::writeBytes(work / formats::kFontFileName, font);
    const CliResult result = runCli({"export", dir});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "fontedit-cli: 4 empty cells, in glyphs 0, are written as \"0x\", as the classic "
              "font.h has them: fill them in before compiling, or use --format c for a table that "
              "compiles now\n");
    EXPECT_NE(readBytes(work / formats::kHeaderFileName).find("{ 0x, 0x, 0x, 0x, 0x1F }"),
              std::string::npos);
}

// Each format goes to its own file in DIR, to -o FILE or to standard output, as the format
// itself writes it.
TEST(CliExport, WritesEachFormatWhereItIsTold) {
    const ScratchDirectory work;
    copySampleFont(work.path());
    const std::string dir = work.path().string();
    const state::FontData sample = folder::loadFont(sampleFontDir());
    const std::string file = (work / "lcd.h").string();
    struct Case {
        std::vector<std::string> args;
        std::filesystem::path written;  // empty: standard output
        std::string expected;
    };
    const Case cases[] = {
        {{"export", "--format", "c", dir}, work / "font.c", formats::cSourceBytes(sample, {})},
        {{"export", "--format=c", "--name", "lcd", "--layout", "rows", "--progmem", "-o", file,
          dir},
         file,
         formats::cSourceBytes(sample, {"lcd", state::GlyphLayout::Rows, false, true})},
        {{"export", "--format", "bdf", "--first", "0x20", dir},
         work / "font.bdf",
         formats::bdfBytes(sample)},
        {{"export", "--format", "bin", "-o", "-", dir}, {}, formats::binaryBytes(sample)},
        {{"export", "--format", "c", "--layout", "rows", "--codes", "0-7", "-o", "-", dir},
         {},
         formats::cSourceBytes(
             sample, {.layout = state::GlyphLayout::Rows, .codes = {0, 1, 2, 3, 4, 5, 6, 7}})},
        {{"export", "--format", "bin", "--codes=33,0x41-66", "-o", "-", dir},
         {},
         formats::binaryBytes(sample, {33, 65, 66})},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.status, 0) << c.args[2] << ": " << result.err;
        EXPECT_EQ(c.written.empty() ? result.out : readBytes(c.written), c.expected) << c.args[2];
    }
}

TEST(CliExport, FaultyFilesExitOneWithAnEnglishMessage) {
    using Path = std::filesystem::path;
    struct Case {
        const char* change;
        void (*apply)(const Path& dir);
        const char* file;
        std::string message;
        std::vector<std::string> options = {};
    };
    const Case cases[] = {
        {"bytes that are not CP932 in a cell",
         [](const Path& dir) {
             support::writeBytes(dir / formats::kFontFileName, "0, \x82, 0\r\n");
         },
         formats::kFontFileName, ":1: holds bytes that are not CP932: \"\\x82\""},
        {"a short label file",
         [](const Path& dir) { support::writeBytes(dir / formats::kLabelFileName, "A\r\nB\r\n"); },
         formats::kLabelFileName, ": the file ends before all 96 glyphs are read"},
        {"no font file",
         [](const Path& dir) { std::filesystem::remove(dir / formats::kFontFileName); },
         formats::kFontFileName, ": no such file"},
        {"a FIFO as the font file, which would block the read",
         [](const Path& dir) {
             std::filesystem::remove(dir / formats::kFontFileName);
             mkfifo((dir / formats::kFontFileName).c_str(), 0600);
         },
         formats::kFontFileName, ": not a regular file"},
        {"a cell that is not a byte",
         [](const Path& dir) {
             std::string font = support::readBytes(dir / formats::kFontFileName);
             font.replace(font.find("0, 0, 5F"), 8, "0, 0, 1FF");
             support::writeBytes(dir / formats::kFontFileName, font);
         },
         formats::kFontFileName,
         ": code 1 column 3: \"1FF\" is not a byte of one or two hexadecimal digits",
         {"--format", "c"}},
    };
    for (const Case& c : cases) {
        const ScratchDirectory work;
        copySampleFont(work.path());
        c.apply(work.path());
        std::vector<std::string> args = c.options;
        args.insert(args.begin(), "export");
        args.push_back(work.path().string());
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, 1) << c.change;
        EXPECT_EQ(result.err, "fontedit-cli: " + (work / c.file).string() + c.message + "\n")
            << c.change;
        EXPECT_FALSE(std::filesystem::exists(work / formats::kHeaderFileName)) << c.change;
        EXPECT_FALSE(std::filesystem::exists(work / "font.c")) << c.change;
    }
}

// As the shell writes into a device, and as coreutils fail when output is lost.
TEST(CliExport, WritesIntoDevicesAndChecksStandardOutput) {
    if (geteuid() != 0) GTEST_SKIP() << "mknod needs root";
    const ScratchDirectory work;
    copySampleFont(work.path());
    ASSERT_EQ(mknod((work / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(mknod((work / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    const std::string dir = work.path().string();
    CliResult result = runCli({"export", "-o", (work / "null").string(), dir});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(std::filesystem::is_character_file(work / "null"));
    result = runCli({"export", "-o", (work / "full").string(), dir});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "fontedit-cli: " + (work / "full").string() +
                              ": cannot write the file (No space left on device)\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", dir}, {"--help"}, {"export", "-o", "-", dir}}) {
        result = runCli(args, (work / "full").string());
        EXPECT_EQ(result.status, 1) << args[0];
        // Which write failed, and with it the system's reason, may be long past.
        EXPECT_TRUE(result.err.starts_with("fontedit-cli: standard output: ")) << result.err;
        EXPECT_EQ(std::ranges::count(result.err, '\n'), 1) << result.err;
    }
}

// Width and height from the PNG header.
std::pair<unsigned, unsigned> pngSize(const std::string& png) {
    const auto word = [&](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value << 8 | static_cast<unsigned char>(png[i]);
        return value;
    };
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    return {word(16), word(20)};
}

TEST(CliRender, WritesAPngOfTheTextOrTheSheet) {
    const ScratchDirectory work;
    copySampleFont(work.path());
    const std::string dir = work.path().string();
    const CliResult text =
        runCli({"render", "--text", "Hi!", "-o", (work / "hi.png").string(), dir});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(pngSize(readBytes(work / "hi.png")), std::make_pair((6u * 3 - 1) * 4, 8u * 4));
    const CliResult sheet = runCli({"render", "--scale", "2", "-o", "-", dir});
    EXPECT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_EQ(pngSize(sheet.out), std::make_pair(2 * (16 * 7u + 2), 2 * (6 * 10u + 2)));

    const CliResult panel = runCli({"render", "--look", "lcd-green", "--layout", "16x2", "--text",
                                    "Hello, world!\x1B", "-o", "-", dir});
    EXPECT_EQ(panel.status, 0) << panel.err;
    EXPECT_EQ(pngSize(panel.out),
              std::make_pair(8 * (2 + 16 * 6 - 1 + 2u), 8 * (2 + 2 * 9 - 1 + 2u)));
    EXPECT_EQ(panel.err, "fontedit-cli: no glyph for '\\x1B': shown as a blank cell\n");

    const CliResult missing = runCli({"render", "--text", "a\x1B", "-o", "-", dir});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "fontedit-cli: " + (work / formats::kFontFileName).string() +
                               ": no glyph for the character \"\\x1B\"\n");
    // Judged by its size before a pixel is drawn, and named as the image it would be.
    const CliResult huge = runCli({"render", "--scale", "64", "--text", std::string(2'600, 'a'),
                                   "-o", (work / "huge.png").string(), dir});
    EXPECT_EQ(huge.status, 1);
    EXPECT_EQ(huge.err, "fontedit-cli: " + (work / "huge.png").string() +
                            ": the image would be 998336 x 512 pixels, too large to draw\n");
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

    // Glyph 33 relabelled "B": a label goes before the ASCII code, and a bad argument hides
    // none of the good ones.
    const ScratchDirectory relabelled;
    copySampleFont(relabelled.path());
    std::string labels = readBytes(relabelled / formats::kLabelFileName);
    labels.replace(labels.find("\r\nA\r\n") + 2, 1, "B");
    support::writeBytes(relabelled / formats::kLabelFileName, labels);
    const std::string dot = "14 \".\"  0, 60, 60, 0, 0\n";
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> firstLines;  // of each glyph shown
        std::string err;
    };
    const Case cases[] = {
        {{"B", "."}, {"33 \"B\"  7C, 12, 11, 12, 7C\n", dot}, ""},
        {{"96", "A", "0x0E"},
         {"33 \"B\"  7C, 12, 11, 12, 7C\n", dot},
         "fontedit-cli show: CODE: '96' is not a glyph code 0-95\n"},
        {{"\xC3\xA9", "\xFF", "AB", "\x1B[2J\n"},
         {},
         "fontedit-cli show: CODE: '\xC3\xA9' stands for no glyph\n"
         "fontedit-cli show: CODE: '\\xFF' stands for no glyph\n"
         "fontedit-cli show: CODE: 'AB' is not a glyph code 0-95\n"
         "fontedit-cli show: CODE: '\\x1B[2J\\x0A' is not a glyph code 0-95\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"show", relabelled.path().string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, c.err.empty() ? 0 : 1) << c.args[0];
        EXPECT_EQ(result.err, c.err);
        std::vector<std::string> firstLines;
        for (std::size_t block = 0; block < result.out.size();) {
            firstLines.push_back(
                result.out.substr(block, result.out.find('\n', block) + 1 - block));
            const std::size_t gap = result.out.find("\n\n", block);
            block = gap == std::string::npos ? result.out.size() : gap + 2;
        }
        EXPECT_EQ(firstLines, c.firstLines) << c.args[0];
    }
}

}  // namespace
}  // namespace fontedit::cli
