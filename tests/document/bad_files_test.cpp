// What Read, Save and Export do with files and places that are not what they expect: each
// fails with its cause and changes nothing, or loads what a good file would give.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "document/font_document.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::document {
namespace {

using namespace formats;
using namespace support;

using state::Cause;

// The same noise on every run, so that the failure it meets stays put.
std::string noise(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t seed = 12345;
    for (char& byte : bytes) {
        seed = seed * 1103515245 + 12345;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

const std::string kGoodFont = repeated("1, 2, 3, 4, 5\r\n", 96);
const std::string kGoodLabels = repeated("L\r\n", 96);

TEST(BadFontFile, FailsWithItsCauseAndLoadsNothing) {
    struct Case {
        const char* what;
        std::string fontBytes;
        Cause cause;
        state::Facts where;
    };
    const Case cases[] = {
        {"empty", "", Cause::PastEndOfFile, {.file = kFontFileName}},
        {"only NUL bytes", std::string(4096, '\0'), Cause::PastEndOfFile, {.file = kFontFileName}},
        {"cut in the last line",
         kGoodFont.substr(0, kGoodFont.size() - 6),
         Cause::PastEndOfFile,
         {.file = kFontFileName}},
        {"binary", noise(65536), Cause::InvalidCp932, {.file = kFontFileName, .line = 2}},
        {"one line past the limit",
         std::string(2 << 20, 'F'),
         Cause::FileTooLarge,
         {.file = kFontFileName}},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        writeBytes(dir / kFontFileName, c.fontBytes);
        writeBytes(dir / kLabelFileName, kGoodLabels);
        editing::Editor editor;
        editor.state().font.setCell(95, 5, "kept");
        editor.state().labels.setLabel(0, "kept");
        expectFailure([&] { FontDocument(editor, dir.path()).read(); }, c.cause, c.where);
        EXPECT_EQ(editor.state().font.cell(95, 5), "kept") << c.what;
        EXPECT_EQ(editor.state().labels.label(0), "kept") << c.what;
    }
}

TEST(BadFontFile, HugeFileLoadsItsFirstFields) {
    // 16 MiB past the 96th line, ending in bytes that are not CP932: never looked at.
    ScratchDirectory dir;
    writeBytes(dir / kFontFileName,
               kGoodFont + repeated("FF, FF, FF, FF, FF\r\n", 16 << 20 >> 5) + "\xFF\xFF");
    writeBytes(dir / kLabelFileName, kGoodLabels + repeated("more\r\n", 1 << 16));
    editing::Editor editor;
    FontDocument(editor, dir.path()).read();
    EXPECT_EQ(editor.state().font.cell(95, 5), "5");
    EXPECT_EQ(editor.state().labels.label(95), "L");
}

// Save writes nothing Read would refuse: texts as long as a field takes come back whole, in the
// widest bytes the files hold them in; a font file past Read's cap is refused before anything
// is written.
TEST(BadText, SaveWritesOnlyWhatReadTakesBack) {
    std::string widest;
    for (int i = 0; i < kLongestText; ++i) widest += "\xE3\x81\x82";  // two bytes in CP932
    ScratchDirectory dir;
    editing::Editor editor;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            editor.state().font.setCell(code, column, widest);
        }
        editor.state().labels.setLabel(code, widest);
    }
    FontDocument(editor, dir.path()).save();
    editing::Editor read;
    FontDocument(read, dir.path()).read();
    EXPECT_EQ(read.state().font.cell(95, 5), widest);
    EXPECT_EQ(read.state().labels.label(95), widest);

    const ScratchDirectory empty;
    editor.state().font.setCell(95, 5, std::string(1 << 20, '1'));
    expectFailure([&] { FontDocument(editor, empty.path()).save(); }, Cause::FileTooLarge,
                  {.file = kFontFileName});
    EXPECT_TRUE(std::filesystem::is_empty(empty.path()));
}

TEST(BadPlace, NoFileCanGoUnderAPlainFile) {
    ScratchDirectory dir;
    writeBytes(dir / "plain", "old");
    const auto place = dir / "plain";
    editing::Editor editor;
    expectFailure([&] { FontDocument(editor, place).save(); }, Cause::FileAccess,
                  {.file = kFontFileName});
    expectFailure([&] { FontDocument(editor, place).exportHeader(); }, Cause::FileAccess,
                  {.file = kHeaderFileName});
    expectFailure([&] { FontDocument(editor, place).read(); }, Cause::FileNotFound,
                  {.file = kFontFileName});
    EXPECT_EQ(readBytes(place), "old");
}

TEST(BadText, BytesThatAreNotUtf8AreNeverWritten) {
    ScratchDirectory dir;
    editing::Editor editor;
    editor.state().labels.setLabel(3, "a\xC3");
    expectFailure([&] { FontDocument(editor, dir.path()).save(); }, Cause::NotRepresentable,
                  {.code = 3});
    editor.state().labels.setLabel(3, "");
    editor.state().font.setCell(4, 2, "\xFF");
    expectFailure([&] { FontDocument(editor, dir.path()).exportHeader(); }, Cause::NotRepresentable,
                  {.code = 4, .column = 2});
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace fontedit::document
