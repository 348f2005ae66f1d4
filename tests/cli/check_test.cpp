#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <sstream>

#include "cli_process.h"
#include "formats/own/font_files.h"
#include "formats/own/line_ends.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::cli {
namespace {

using formats::kFontFileName;
using formats::kLabelFileName;

// Line `line` (1-based) of `file` replaced or added, or with no text, the file cut before it.
struct Edit {
    const char* file;
    std::size_t line;
    std::optional<std::string> text;
};

void applyEdit(const std::filesystem::path& dir, const Edit& edit) {
    const std::string bytes = support::readBytes(dir / edit.file);
    const auto views = formats::splitLines(bytes, std::numeric_limits<std::size_t>::max());
    std::vector<std::string> lines(views.begin(), views.end());
    if (!edit.text) {
        lines.resize(edit.line - 1);
    } else {
        lines.resize(std::max(lines.size(), edit.line));
        lines[edit.line - 1] = *edit.text;
    }
    std::string edited;
    for (const std::string& line : lines) edited += line + "\r\n";
    support::writeBytes(dir / edit.file, edited);
}

TEST(CliCheck, AcceptsTheSampleFont) {
    const CliResult result = runCli({"check", sampleFontDir().string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "");
}

TEST(CliCheck, FindsEachKindOfFaultWithItsLine) {
    struct Case {
        std::vector<Edit> edits;
        std::vector<std::string> reports;  // each "file:line: message"; none when sound
        std::string note = {};             // of empty cells, which are sound
    };
    const Case cases[] = {
        {{{kFontFileName, 34, "7C, 12, 1G, 12, 7C"}},
         {"fntdat.txt:34: code 33 column 3: \"1G\" is not a byte of one or two hexadecimal "
          "digits"}},
        {{{kFontFileName, 2, "0, 0, 100, 0, "}},
         {"fntdat.txt:2: code 1 column 3: \"100\" is not a byte of one or two hexadecimal digits"},
         "note: 1 empty cells, in glyphs 1; Read takes each as a column with no dot"},
        // Columns never drawn, as the window saves them.
        {{{kFontFileName, 3, ", ,  , 1, "},
          {kFontFileName, 4, "1, , 1, 1, 1"},
          {kFontFileName, 6, ", , , , "}},
         {},
         "note: 10 empty cells, in glyphs 2-3, 5; Read takes each as a column with no dot"},
        {{{kFontFileName, 10, "0, \x82, 0, 0, 0"}},
         {"fntdat.txt:10: holds bytes that are not CP932: \"\\x82\""}},
        {{{kLabelFileName, 50, "\x81"}, {kLabelFileName, 60, "\xA0"}},
         {"mojidat.txt:50: holds bytes that are not CP932: \"\\x81\"",
          "mojidat.txt:60: holds bytes that are not CP932: \"\\xA0\""}},
        {{{kLabelFileName, 96, std::nullopt}},
         {"mojidat.txt:96: the file ends before all 96 glyphs are read"}},
        {{{kFontFileName, 96, std::nullopt}},
         {"fntdat.txt:96: the file ends before all 96 glyphs are read"}},
        {{{kFontFileName, 96, "55, AA, 55, AA"}},
         {"fntdat.txt:96: the file ends before all 96 glyphs are read"}},
        // As Read does, a file cut at the size it reads is too large, not short of glyphs.
        {{{kFontFileName, 1, std::string(formats::kMostFontFileBytes, 'F')}},
         {"fntdat.txt: the file is too large"}},
        // Bytes of the file reach the terminal escaped.
        {{{kFontFileName, 5, std::string("\x1B[2J\x07, 0, \0, 0, 0", 17)}},
         {"fntdat.txt:5: code 4 column 1: \"\\x1B[2J\\x07\" is not a byte of one or two "
          "hexadecimal digits",
          "fntdat.txt:5: code 4 column 3: \"\\x00\" is not a byte of one or two hexadecimal "
          "digits"}},
        // Sound: lower-case hex, quoted cells, Japanese labels, lines the editor never reads.
        {{{kFontFileName, 3, "7f, \"5F\", 0, 0, a"},
          {kLabelFileName, 5, "\x82\xA0\x87\x40"},
          {kFontFileName, 97, "\xFF"},
          {kLabelFileName, 97, "\xFF"}},
         {}},
    };
    for (const Case& c : cases) {
        const support::ScratchDirectory work;
        copySampleFont(work.path());
        for (const Edit& edit : c.edits) applyEdit(work.path(), edit);
        const CliResult result = runCli({"check", work.path().string()});
        std::string expected;
        if (!c.note.empty()) {
            expected +=
                "fontedit-cli: " + (work.path() / kFontFileName).string() + ": " + c.note + '\n';
        }
        for (const std::string& report : c.reports) {
            expected += "fontedit-cli: " + (work.path() / report).string() + '\n';
        }
        if (!c.reports.empty()) {
            expected += "fontedit-cli: " + std::to_string(c.reports.size()) +
                        (c.reports.size() == 1 ? " fault" : " faults") + " found\n";
        }
        EXPECT_EQ(result.err, expected);
        EXPECT_EQ(result.status, c.reports.empty() ? 0 : 1) << expected;
    }
}

TEST(CliCheck, ReportsAMissingFileAndStillChecksTheOther) {
    const support::ScratchDirectory work;
    copySampleFont(work.path());
    std::filesystem::remove(work / kLabelFileName);
    applyEdit(work.path(), {kFontFileName, 1, "G, 0, 0, 0, 0"});
    const CliResult result = runCli({"check", work.path().string()});
    EXPECT_EQ(result.status, 1);
    const std::string dir = work.path().string() + '/';
    EXPECT_EQ(result.err,
              "fontedit-cli: " + dir +
                  "fntdat.txt:1: code 0 column 1: \"G\" is not a byte of one or two hexadecimal "
                  "digits\n"
                  "fontedit-cli: " +
                  dir +
                  "mojidat.txt: no such file\n"
                  "fontedit-cli: 2 faults found\n");
}

// However many faults a binary file holds, no raw control byte and nothing that is not UTF-8
// reaches the terminal: every line is already as escaping leaves it, but for its backslashes.
TEST(CliCheck, EscapesEveryByteOfABinaryFile) {
    const support::ScratchDirectory work;
    for (const char* name : {kFontFileName, kLabelFileName}) {
        std::filesystem::copy_file(FONTEDIT_CLI, work / name);
    }
    const CliResult result = runCli({"check", work.path().string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_GT(result.err.size(), 100u);
    std::istringstream lines(result.err);
    for (std::string line; std::getline(lines, line);) {
        std::string backslashesDoubled;
        for (const char ch : line) backslashesDoubled += ch == '\\' ? "\\\\" : std::string(1, ch);
        EXPECT_EQ(state::escapedBytes(line), backslashesDoubled);
    }
}

}  // namespace
}  // namespace fontedit::cli
