#include "formats/own/font_files.h"
#include "document/font_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder/font_folder.h"
#include "formats/own/cp932.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::document {
namespace {

using namespace formats;
using namespace support;

using state::Cause;

// Labels and cells that a field reader alone would shift, split or trim.
state::FontData awkwardFont() {
    const char* labels[] = {" ", ",", "\"", "  lead", "a, \"b\", c", "あ①～", "", "trail "};
    const char* cells[] = {"7C", "7f", "", "1FF00", "FFFF ", "0"};
    state::FontData data;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            data.cells[code][column] = cells[(code + column) % std::size(cells)];
        }
        data.labels[code] = labels[code % std::size(labels)];
    }
    return data;
}

// An editor whose every cell 0-100 x 0-8 and label holds text of its own.
void fillTables(editing::Editor& editor) {
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 0; column < state::kTableColumns; ++column) {
            editor.state().font.setCell(code, column, std::to_string(code * 10 + column));
        }
        editor.state().labels.setLabel(code, "old" + std::to_string(code));
    }
}

// Per code its nine cells, then its label.
std::vector<std::string> contents(const state::FontTable& font, const state::LabelTable& labels) {
    std::vector<std::string> texts;
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 0; column < state::kTableColumns; ++column) {
            texts.push_back(font.cell(code, column));
        }
        texts.push_back(labels.label(code));
    }
    return texts;
}

std::vector<std::string> contents(const editing::Editor& editor) {
    return contents(editor.state().font, editor.state().labels);
}

// The tables of `editor` as they are once `data` is stored into them.
std::vector<std::string> loaded(const editing::Editor& editor, const state::FontData& data) {
    state::FontTable font = editor.state().font;
    state::LabelTable labels = editor.state().labels;
    state::storeTableTexts(data, font, labels);
    return contents(font, labels);
}

TEST(SaveFont, WritesBothFilesByteForByte) {
    ScratchDirectory dir;
    editing::Editor editor;
    FontDocument(editor, dir.path()).save();
    EXPECT_EQ(readBytes(dir / kFontFileName), repeated(", , , , \r\n", 96));
    EXPECT_EQ(readBytes(dir / kLabelFileName), repeated("\r\n", 96));

    editor.togglePixel(2, 0);
    editor.state().font.setCell(1, 1, "7C");
    editor.state().labels.setLabel(1, "あ");
    FontDocument(editor, dir.path()).save();
    EXPECT_EQ(readBytes(dir / kFontFileName),
              ", 1, , , \r\n7C, , , , \r\n" + repeated(", , , , \r\n", 94));
    EXPECT_EQ(readBytes(dir / kLabelFileName), "\r\n\x82\xA0\r\n" + repeated("\r\n", 94));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(ParseFontFiles, ReadsEveryLayoutOfTheSameFields) {
    const state::FontData font = awkwardFont();
    const std::string fontBytes = fontFileBytes(font);
    const std::string labelBytes = labelFileBytes(font);
    std::string oneFieldLines;
    for (const auto& cells : font.cells) {
        for (const std::string& cell : cells) oneFieldLines += cell + "\r\n";
    }
    auto withLineEnd = [](const std::string& text, const char* lineEnd) {
        std::string changed;
        for (char ch : text) {
            if (ch == '\n') changed += lineEnd;
            if (ch != '\n' && ch != '\r') changed += ch;
        }
        return changed;
    };
    const std::pair<std::string, std::string> cases[] = {
        {fontBytes, labelBytes},
        {oneFieldLines, labelBytes},
        {fontBytes + "1, 2\r\n\x80\r\n", labelBytes + "more\r\n\x80\r\n"},
        {withLineEnd(fontBytes, "\n"), withLineEnd(labelBytes, "\n")},
        {withLineEnd(fontBytes, "\r"), withLineEnd(labelBytes, "\r")},
        {fontBytes.substr(0, fontBytes.size() - 2), labelBytes.substr(0, labelBytes.size() - 2)},
    };
    for (const auto& [fontFile, labelFile] : cases) {
        const state::FontData parsed = parseFontFiles(fontFile, labelFile);
        EXPECT_EQ(parsed.cells, font.cells) << fontFile;
        EXPECT_EQ(parsed.labels, font.labels) << labelFile;
    }
}

TEST(ReadFont, LoadsCodes0To95ThenShowsTheGlyphOfTheCodeField) {
    ScratchDirectory dir;
    editing::Editor saver;
    state::storeTableTexts(awkwardFont(), saver.state().font, saver.state().labels);
    FontDocument(saver, dir.path()).save();
    // -1: loading succeeds, showing the glyph fails
    const std::pair<const char*, int> cases[] = {{"10", 10}, {"abc", 0}, {"100", 100}, {"-1", -1}};
    for (const auto& [code, shown] : cases) {
        editing::Editor editor;
        fillTables(editor);
        const std::vector<std::string> expected = loaded(editor, awkwardFont());
        editor.state().codeField().setText(code);
        if (shown < 0) {
            expectFailure([&] { FontDocument(editor, dir.path()).read(); }, Cause::CodeOutOfRange,
                          {.code = -1});
        } else {
            FontDocument(editor, dir.path()).read();
            EXPECT_EQ(editor.state().columnField(3).text(), expected[shown * 10 + 3]);
            EXPECT_EQ(editor.state().labelField().text(), expected[shown * 10 + 9]);
        }
        EXPECT_EQ(contents(editor), expected) << code;
    }
}

TEST(ReadFont, FailsWithoutTouchingTheEditor) {
    const std::string fontBytes = repeated("1, 2, 3, 4, 5\r\n", 96);
    const std::string labelBytes = repeated("L\r\n", 96);
    struct Case {
        std::string fontBytes;  // "-" for no file, "/" for a directory
        std::string labelBytes;
        Cause cause;
        state::Facts where;
    };
    const Case cases[] = {
        {repeated("1, 2, 3, 4, 5\r\n", 95),
         labelBytes,
         Cause::PastEndOfFile,
         {.file = kFontFileName}},
        {fontBytes, repeated("L\r\n", 95), Cause::PastEndOfFile, {.file = kLabelFileName}},
        {"-", labelBytes, Cause::FileNotFound, {.file = kFontFileName}},
        {fontBytes, "-", Cause::FileNotFound, {.file = kLabelFileName}},
        {"/", labelBytes, Cause::FileAccess, {.file = kFontFileName}},
        {repeated("1, 2, 3, 4, 5\r\n", 4) + "1, \x82\r\n" + fontBytes,
         labelBytes,
         Cause::InvalidCp932,
         {.file = kFontFileName, .line = 5}},
        {fontBytes,
         repeated("L\r\n", 6) + "\xFD\r\n" + labelBytes,
         Cause::InvalidCp932,
         {.file = kLabelFileName, .line = 7}},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        for (const auto& [name, bytes] :
             {std::pair{kFontFileName, c.fontBytes}, std::pair{kLabelFileName, c.labelBytes}}) {
            if (bytes == "/") std::filesystem::create_directory(dir / name);
            if (bytes != "-" && bytes != "/") writeBytes(dir / name, bytes);
        }
        editing::Editor editor;
        fillTables(editor);
        const std::vector<std::string> before = contents(editor);
        expectFailure([&] { FontDocument(editor, dir.path()).read(); }, c.cause, c.where);
        EXPECT_EQ(contents(editor), before) << static_cast<int>(c.cause);
        EXPECT_EQ(editor.state().columnField(1).text(), "0");
    }
}

TEST(SaveFont, FailsWithoutChangingAnyOldFile) {
    struct Case {
        std::string_view directory;  // a directory standing in place of this file
        int code;
        const char* label;
        const char* cell;
        Cause cause;
        state::Facts where;
    };
    const Case cases[] = {
        {kLabelFileName, 0, "", "", Cause::FileAccess, {.file = kLabelFileName}},
        {kFontFileName, 0, "", "", Cause::FileAccess, {.file = kFontFileName}},
        {"", 95, "€", "", Cause::NotRepresentable, {.code = 95}},
        {"", 12, "a😀", "", Cause::NotRepresentable, {.code = 12}},
        {"", 40, "", "€", Cause::NotRepresentable, {.code = 40, .column = 3}},
        // Texts that Read would not give back in their place, shifting everything after them.
        {"", 7, "", "\"", Cause::MovesLaterTexts, {.code = 7, .column = 3}},
        {"", 8, "", "  \"7F\"", Cause::MovesLaterTexts, {.code = 8, .column = 3}},
        {"", 9, "", "1,2", Cause::MovesLaterTexts, {.code = 9, .column = 3}},
        {"", 10, "", "7F\n", Cause::MovesLaterTexts, {.code = 10, .column = 3}},
        {"", 11, "a\r\nb", "", Cause::MovesLaterTexts, {.code = 11}},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        auto oldFile = [&](const char* name) {
            return c.directory == name ? dir / name / "inside" : dir / name;
        };
        for (const char* name : {kFontFileName, kLabelFileName}) {
            if (c.directory == name) std::filesystem::create_directory(dir / name);
            writeBytes(oldFile(name), "old");
        }
        editing::Editor editor;
        editor.state().labels.setLabel(c.code, c.label);
        editor.state().font.setCell(c.code, 3, c.cell);
        expectFailure([&] { FontDocument(editor, dir.path()).save(); }, c.cause, c.where);
        for (const char* name : {kFontFileName, kLabelFileName}) {
            EXPECT_EQ(readBytes(oldFile(name)), "old");
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    }
    editing::Editor empty;
    expectFailure([&] { FontDocument(empty, "/nonexistent/fontedit").save(); }, Cause::FileAccess,
                  {.file = kFontFileName});
}

// Import's way of saving: a failed save takes back the folders it made, and only those.
TEST(SaveFont, MakesMissingFoldersAndRemovesThemWhenSavingFails) {
    ScratchDirectory scratch;
    const std::filesystem::path dir = scratch / "made" / "font";
    state::FontData data;
    data.cells[9][2] = "1,2";
    expectFailure([&] { folder::saveFontCreatingFolder(data, dir); }, Cause::MovesLaterTexts,
                  {.code = 9, .column = 3});
    EXPECT_FALSE(std::filesystem::exists(scratch / "made"));
    EXPECT_TRUE(std::filesystem::exists(scratch.path()));
    data.cells[9][2] = "12";
    folder::saveFontCreatingFolder(data, dir);
    EXPECT_EQ(folder::loadFont(dir).cells[9][2], "12");
}

}  // namespace
}  // namespace fontedit::document
