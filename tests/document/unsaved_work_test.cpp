// What keeps work from being lost to other writers and to crashes: the files' changes on disk
// since the document last read or wrote them, and the recovery file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "document/bitmap_document.h"
#include "document/font_document.h"
#include "document/recovery_file.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
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
    EXPECT_EQ(firstDocument.unreadFontGlyphs(), std::nullopt) << "a folder with no font";
    first.togglePixel(2, 0);
    first.next();
    first.togglePixel(3, 0);
    firstDocument.save();
    first.previous();
    EXPECT_EQ(firstDocument.unreadFontGlyphs(), std::nullopt) << "its own writes";
    // Saving over a font this window never read loses it: 保存 asks, naming its glyphs.
    EXPECT_EQ(secondDocument.unreadFontGlyphs(), 2) << "never read by the second";
    std::filesystem::rename(dir / formats::kFontFileName, dir / "aside");
    EXPECT_EQ(secondDocument.unreadFontGlyphs(), 0) << "the labels alone";
    std::filesystem::rename(dir / "aside", dir / formats::kFontFileName);
    secondDocument.read();
    EXPECT_EQ(secondDocument.unreadFontGlyphs(), std::nullopt) << "read";
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

// The only file a folder's windows left, locked by this caller as it is offered.
LeftRecovery onlyLeft(const std::filesystem::path& fontDir) {
    std::vector<LeftRecovery> left = leftRecoveries(fontDir);
    EXPECT_EQ(left.size(), 1u);
    if (left.empty()) throw std::runtime_error("no recovery file left");
    return std::move(left.front());
}

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
    {
        RecoveryFile file(fontDir.path());
        file.write(editor);
        ASSERT_TRUE(file.exists());
        EXPECT_EQ(file.path().parent_path(), stateHome_ / "fontedit");
    }
    const LeftRecovery left = onlyLeft(fontDir.path());
    editing::Editor restored;
    left.restore(restored);
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

    left.remove();
    EXPECT_TRUE(leftRecoveries(fontDir.path()).empty());
    EXPECT_TRUE(std::filesystem::is_empty(stateHome_ / "fontedit")) << "its lock went with it";
}

// A general font's work comes back as the text its document would save, into a window on its
// file only; a classic window refuses it.
TEST_F(Recovery, BringsBackAGeneralFontsText) {
    const ScratchDirectory fontDir;
    const std::filesystem::path file = fontDir / "font.bdf";
    state::BitmapFont empty;
    empty.ascent = 2;
    writeBytes(file, formats::bdfFromBitmapFont(empty, "empty"));
    BitmapDocument edited;
    edited.open(file);
    edited.editor().goTo(U'€');
    edited.editor().addGlyph();
    edited.editor().toggleDot(0, 1);
    {
        RecoveryFile recovery(file);
        recovery.write(edited);
    }
    EXPECT_TRUE(leftRecoveries(fontDir.path()).empty()) << "the folder's classic font";
    BitmapDocument restored;
    restored.open(file);
    onlyLeft(file).restore(restored);
    EXPECT_EQ(restored.text(), edited.text());
    EXPECT_EQ(restored.editor().current(), U'€');
    EXPECT_TRUE(restored.editor().hasUnsavedChanges());
    EXPECT_EQ(restored.path(), file);
    editing::Editor classic;
    const LeftRecovery left = onlyLeft(file);
    support::expectFailure([&] { left.restore(classic); }, state::Cause::RecoveryDamaged,
                           {.file = left.path().filename()});
}

// Each window has a file of its own, which no other window on the folder removes, replaces or
// offers while it runs; once it has ended the file is offered, to one window at a time, the
// newest first.
TEST_F(Recovery, AWindowsFileIsOfferedOnlyOnceItHasEnded) {
    const ScratchDirectory fontDir;
    editing::Editor edited, clean;
    edited.togglePixel(1, 1);
    auto first = std::make_unique<RecoveryFile>(fontDir.path());
    first->write(edited);
    RecoveryFile second(fontDir / "." / "");
    second.write(clean);
    EXPECT_NE(second.path(), first->path());
    EXPECT_TRUE(leftRecoveries(fontDir.path()).empty()) << "both windows run";
    second.remove();
    EXPECT_TRUE(first->exists());
    const std::filesystem::path firstPath = first->path();
    first.reset();
    {
        RecoveryFile older(fontDir.path());
        older.write(clean);
        std::filesystem::last_write_time(
            older.path(), std::filesystem::last_write_time(firstPath) - std::chrono::hours(1));
    }
    std::vector<LeftRecovery> left = leftRecoveries(fontDir.path());
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].path(), firstPath) << "newest first";
    EXPECT_TRUE(leftRecoveries(fontDir.path()).empty()) << "offered by one window at a time";
    editing::Editor restored;
    left[0].restore(restored);
    EXPECT_EQ(restored.state().font.cell(0, 1), "2");
    left.clear();
    EXPECT_EQ(leftRecoveries(fontDir.path()).size(), 2u) << "not answered for, both stay";
    const ScratchDirectory otherDir;
    EXPECT_TRUE(leftRecoveries(otherDir.path()).empty());
}

TEST_F(Recovery, EachFolderHasAFileOfItsOwn) {
    const ScratchDirectory parent;
    const std::string longName(250, 'n');
    std::vector<std::filesystem::path> paths;
    const editing::Editor editor;
    std::vector<std::unique_ptr<RecoveryFile>> files;
    // "a.<pid>-0" is also the name of the file "a" gets from this process.
    const std::string likeATag = "a." + std::to_string(getpid()) + "-0";
    for (const std::string& name : std::vector<std::string>{
             "a", "a%2Fb", "a/b", "a.1-2", "\x82\xa0", longName, longName + "/x", likeATag}) {
        files.push_back(std::make_unique<RecoveryFile>(parent / name));
        files.back()->write(editor);
        paths.push_back(files.back()->path());
        EXPECT_LE(paths.back().filename().string().size(), 255u) << name;
    }
    std::ranges::sort(paths);
    EXPECT_EQ(std::ranges::adjacent_find(paths), paths.end());
    files.clear();
    for (const std::string& name :
         {std::string("a"), std::string("a.1-2"), std::string("b/../a"), likeATag}) {
        EXPECT_EQ(leftRecoveries(parent / name).size(), 1u) << name;
    }
}

TEST_F(Recovery, RefusesAFileItDidNotWrite) {
    const ScratchDirectory fontDir;
    std::filesystem::path path;
    {
        RecoveryFile file(fontDir.path());
        file.write(editing::Editor());
        path = file.path();
    }
    const std::string whole = readBytes(path);
    for (const std::string& bytes : std::vector<std::string>{
             std::string(), "fontedit recovery 1\n", whole.substr(0, whole.size() - 1), whole + "x",
             "fontedit recovery 3" + whole.substr(19), "fontedit recovery 1\n99999999999:"}) {
        writeBytes(path, bytes);
        editing::Editor editor;
        support::expectFailure([&] { onlyLeft(fontDir.path()).restore(editor); },
                               state::Cause::RecoveryDamaged, {.file = path.filename()});
    }
}

// Recovery files go only where nobody else may change them, and never through a link.
TEST_F(Recovery, WritesOnlyIntoAPrivateFolderAndNeverThroughALink) {
    const ScratchDirectory fontDir;
    editing::Editor editor;
    RecoveryFile file(fontDir.path());
    file.write(editor);
    EXPECT_EQ(std::filesystem::status(stateHome_ / "fontedit").permissions(),
              std::filesystem::perms::owner_all);
    writeBytes(stateHome_ / "victim", "not yours");
    std::filesystem::remove(file.path());
    std::filesystem::create_symlink(stateHome_ / "victim", file.path());
    support::expectFailure([&] { file.write(editor); }, state::Cause::LinkInPlace,
                           {.file = file.path().filename()});
    EXPECT_EQ(readBytes(stateHome_ / "victim"), "not yours");

    std::filesystem::remove(file.path());
    file.write(editor);
    EXPECT_EQ(std::filesystem::status(file.path()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // One's own folder, opened to others by hand, is made private again.
    std::filesystem::permissions(stateHome_ / "fontedit", std::filesystem::perms::all);
    RecoveryFile other(fontDir.path());
    other.write(editor);
    EXPECT_EQ(std::filesystem::status(stateHome_ / "fontedit").permissions(),
              std::filesystem::perms::owner_all);
    if (geteuid() != 0) return;
    ASSERT_EQ(chown((stateHome_ / "fontedit").c_str(), 65534, 65534), 0);
    RecoveryFile third(fontDir.path());
    support::expectFailure([&] { third.write(editor); }, state::Cause::FolderNotPrivate,
                           {.file = "fontedit"});
    support::expectFailure([&] { leftRecoveries(fontDir.path()); }, state::Cause::FolderNotPrivate,
                           {.file = "fontedit"});
}

// A lock that is no file was not made by a window; the work beside it is not silently lost.
TEST_F(Recovery, ALockThatIsNoFileIsReportedByName) {
    const ScratchDirectory fontDir;
    std::filesystem::path lock;
    {
        RecoveryFile file(fontDir.path());
        file.write(editing::Editor());
        lock = std::filesystem::path(file.path()).replace_extension(".lock");
    }
    for (const bool folder : {true, false}) {
        std::filesystem::remove(lock);
        if (folder) {
            std::filesystem::create_directory(lock);
        } else {
            std::filesystem::create_symlink("elsewhere", lock);
        }
        support::expectFailure([&] { leftRecoveries(fontDir.path()); },
                               state::Cause::NotARegularFile, {.file = lock.filename()});
    }
}

}  // namespace
}  // namespace fontedit::document
