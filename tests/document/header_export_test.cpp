#include "formats/own/header_export.h"
#include "document/font_document.h"

#include <gtest/gtest.h>

#include <string>

#include "editing/editor.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::document {
namespace {

using namespace formats;
using namespace support;

TEST(ExportHeader, WritesANeverEditedFontByteForByte) {
    std::string expected = "const unsigned char Font[96][5] =\r\n{\r\n";
    for (int code = 0; code < 96; ++code) {
        expected += "    { 0x, 0x, 0x, 0x, 0x }, //   " + std::to_string(code) + "\r\n";
    }
    expected +=
        "}  // \x8d\xc5\x8c\xe3\x82\xcc\x8d\x73\x82\xcc\x83\x52\x83\x93\x83\x7d\x8f\xc1\x82\xb7"
        "\x81\x44\x8d\xc5\x8f\x89\x82\xcc\x83\x74\x83\x48\x83\x93\x83\x67\x90\x94\x82\xcd\x8e\xe8"
        "\x8d\xec\x8b\xc6\x82\xc5\x8f\x88\x97\x9d\x81\x49\x81\x49\r\n";
    ScratchDirectory dir;
    editing::Editor editor;
    for (int code = 96; code <= 100; ++code) editor.state().font.setCell(code, 1, "7F");
    FontDocument(editor, dir.path()).exportHeader();
    EXPECT_EQ(readBytes(dir / kHeaderFileName), expected);
}

TEST(HeaderBytes, WritesCellsAndLabelsAsTheyStand) {
    struct Case {
        int code;
        std::array<std::string, 5> cells;
        std::string label;
        std::string row;
    };
    const Case cases[] = {
        {33, {"7C", "12", "11", "12", "7C"}, "A", "    { 0x7C, 0x12, 0x11, 0x12, 0x7C }, // A  33"},
        {1,
         {"7f", "", "1FF00", "0", " 1"},
         "あ",
         "    { 0x7f, 0x, 0x1FF00, 0x0, 0x 1 }, // \x82\xA0  1"},
    };
    for (const auto& c : cases) {
        state::FontData data;
        data.cells[c.code] = c.cells;
        data.labels[c.code] = c.label;
        const std::string bytes = headerBytes(data);
        EXPECT_NE(bytes.find("\r\n" + c.row + "\r\n"), std::string::npos) << c.row;
    }
}

TEST(ExportHeader, FailsWithoutChangingTheOldFile) {
    ScratchDirectory dir;
    writeBytes(dir / kHeaderFileName, "old");
    editing::Editor editor;
    editor.state().labels.setLabel(7, "😀");
    expectFailure([&] { FontDocument(editor, dir.path()).exportHeader(); },
                  state::Cause::NotRepresentable, {.code = 7});
    EXPECT_EQ(readBytes(dir / kHeaderFileName), "old");

    std::filesystem::remove(dir / kHeaderFileName);
    std::filesystem::create_directory(dir / kHeaderFileName);
    editing::Editor empty;
    expectFailure([&] { FontDocument(empty, dir.path()).exportHeader(); }, state::Cause::FileAccess,
                  {.file = kHeaderFileName});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace fontedit::document
