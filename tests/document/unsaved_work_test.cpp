// What keeps work from being lost to other writers and to crashes: the files' changes on disk
// since the document last read or wrote them, and the recovery file.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/font_document.h"
#include "document/recovery_file.h"
#include "formats/font_files.h"
#include "formats/header_export.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::document {
namespace {

using Names = std::vector<std::string>;
using Write = FontDocument::Write;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

TEST(OtherWriters, OnlyFilesChangedSinceThisDocumentKnewThemCount) {
    const ScratchDirectory dir;
    editing::Editor first, second;
    FontDocument firstDocument(first, dir.path()), secondDocument(second, dir.path());
    firstDocument.save();
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Save), Names{}) << "never read by the second";
    secondDocument.read();
    secondDocument.exportHeader();

    first.togglePixel(1, 0);
    firstDocument.save();
    EXPECT_EQ(firstDocument.changedOnDisk(Write::Save), Names{}) << "its own writes";
    // The labels were written again with the same bytes.
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Save), Names{formats::kFontFileName});
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Export), Names{});

    writeBytes(dir / formats::kHeaderFileName, "edited by hand");
    writeBytes(dir / formats::kLabelFileName, readBytes(dir / formats::kLabelFileName) + "x");
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Export), Names{formats::kHeaderFileName});
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Save),
              (Names{formats::kFontFileName, formats::kLabelFileName}));

    secondDocument.save();
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Save), Names{}) << "known again once written";
    std::filesystem::remove(dir / formats::kHeaderFileName);
    EXPECT_EQ(secondDocument.changedOnDisk(Write::Export), Names{}) << "a file gone loses nothing";
}

class Recovery : public testing::Test {
protected:
    void SetUp() override { setenv("XDG_STATE_HOME", stateHome_.path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_STATE_HOME"); }

    const ScratchDirectory stateHome_;
};

TEST_F(Recovery, BringsBackEveryTextAndTheCodeAsUnsavedWork) {
    const ScratchDirectory fontDir;
    editing::Editor editor;
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 0; column < state::kTableColumns; ++column) {
            editor.state().font.setCell(
                code, column, std::to_string(code) + ",\n\"" + std::string(1, char(column)));
        }
        editor.state().labels.setLabel(code, "\r\n€" + std::to_string(code));
    }
    editor.state().codeField().setText("98");
    const RecoveryFile file(fontDir.path());
    file.write(editor);
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(file.path().parent_path(), stateHome_ / "fontedit");

    editing::Editor restored;
    file.restore(restored);
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 0; column < state::kTableColumns; ++column) {
            ASSERT_EQ(restored.state().font.cell(code, column),
                      editor.state().font.cell(code, column));
        }
        ASSERT_EQ(restored.state().labels.label(code), editor.state().labels.label(code));
    }
    EXPECT_EQ(restored.state().codeField().text(), "98");
    EXPECT_EQ(restored.state().columnField(1).text(), editor.state().font.cell(98, 1));
    EXPECT_TRUE(restored.hasUnsavedChanges());
    restored.undo();
    EXPECT_FALSE(restored.hasUnsavedChanges()) << "the restore is one step";

    file.remove();
    EXPECT_FALSE(file.exists());
}

TEST_F(Recovery, EachFolderHasAFileOfItsOwn) {
    const ScratchDirectory parent;
    const std::string longName(250, 'n');
    std::vector<std::filesystem::path> paths;
    for (const std::string& name :
         std::vector<std::string>{"a", "a%2Fb", "a/b", "\x82\xa0", longName, longName + "/x"}) {
        paths.push_back(RecoveryFile(parent / name).path());
        EXPECT_LE(paths.back().filename().string().size(), 255u) << name;
    }
    std::ranges::sort(paths);
    EXPECT_EQ(std::ranges::adjacent_find(paths), paths.end());
    EXPECT_EQ(RecoveryFile(parent / "a").path(), RecoveryFile(parent / "b/../a").path());
}

TEST_F(Recovery, RefusesAFileItDidNotWrite) {
    const ScratchDirectory fontDir;
    const RecoveryFile file(fontDir.path());
    editing::Editor editor;
    file.write(editor);
    const std::string whole = readBytes(file.path());
    for (const std::string& bytes : std::vector<std::string>{
             std::string(), "fontedit recovery 1\n", whole.substr(0, whole.size() - 1), whole + "x",
             "fontedit recovery 2" + whole.substr(19), "fontedit recovery 1\n99999999999:"}) {
        writeBytes(file.path(), bytes);
        support::expectFailure([&] { file.restore(editor); }, state::Cause::RecoveryDamaged,
                               {.file = file.path().filename()});
    }
}

}  // namespace
}  // namespace fontedit::document
