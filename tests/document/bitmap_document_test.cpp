// A general font bound to its BDF file, on real X11 fonts made BDF by pcf2bdf: what a save
// changes in the file, imports as one step, a folder's font.bdf.
#include "document/bitmap_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "formats/own/font_files.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::document {
namespace {

using support::readBytes;
using support::ScratchDirectory;

constexpr const char* kFonts = "/usr/share/fonts/X11/misc/";

// Debian's PCF font `name` as a BDF file in `dir`.
std::filesystem::path bdfOf(const ScratchDirectory& dir, const std::string& name) {
    const std::filesystem::path bdf = dir / (name + ".bdf");
    const std::string command = "pcf2bdf -o " + bdf.string() + " " + kFonts + name + ".pcf.gz";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return bdf;
}

TEST(BitmapDocument, ASaveChangesOnlyTheRowOfTheDotChanged) {
    const ScratchDirectory dir;
    const std::filesystem::path file = bdfOf(dir, "6x13-ISO8859-1");
    const std::string read = readBytes(file);
    BitmapDocument document;
    document.open(file);
    document.save();
    EXPECT_EQ(readBytes(file), read) << "saved unchanged";

    document.editor().goTo(std::string_view("A"));
    document.editor().toggleDot(2, 3);
    EXPECT_TRUE(document.editor().hasUnsavedChanges());
    document.save();
    EXPECT_FALSE(document.editor().hasUnsavedChanges());
    const std::vector<std::string> before = support::linesOf(read),
                                   after = support::linesOf(readBytes(file));
    ASSERT_EQ(after.size(), before.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (after[i] != before[i]) changed.push_back(i);
    }
    ASSERT_EQ(changed.size(), 1u);
    // The row lies in A's bitmap: after its BITMAP line, before its ENDCHAR.
    std::size_t line = changed.front();
    while (line > 0 && before[line].find_first_not_of("0123456789ABCDEF") == std::string::npos) {
        --line;
    }
    EXPECT_EQ(before[line], "BITMAP");
    while (line > 0 && !before[line].starts_with("ENCODING")) --line;
    EXPECT_EQ(before[line], "ENCODING 65");

    EXPECT_FALSE(document.changedOnDisk()) << "its own write";
    support::writeBytes(file, read);
    EXPECT_TRUE(document.changedOnDisk());
    std::filesystem::remove(file);
    EXPECT_FALSE(document.changedOnDisk()) << "a file gone loses nothing";
}

// Every glyph of the import comes in at its character; undone, the file's text is as read.
TEST(BitmapDocument, AnImportIsOneStepThatCountsWhatItReplaces) {
    const ScratchDirectory dir;
    const std::filesystem::path file = bdfOf(dir, "6x13-ISO8859-1");
    BitmapDocument document;
    document.open(file);
    const std::string read = document.text();
    const std::size_t held = document.editor().font().glyphs.size();

    const state::BitmapFont imported =
        BitmapDocument::readImport(std::string(kFonts) + "5x8.pcf.gz");
    const int replaced = document.replacedBy(imported);
    EXPECT_GT(replaced, 0);
    document.takeImport(imported);
    EXPECT_EQ(document.editor().font().glyphs.size(), held + imported.glyphs.size() - replaced);
    EXPECT_EQ(*document.editor().font().find(U'A'), *imported.find(U'A'));

    document.editor().undo();
    EXPECT_EQ(document.text(), read);
    EXPECT_FALSE(document.editor().hasUnsavedChanges());
    document.editor().redo();
    EXPECT_EQ(*document.editor().font().find(U'A'), *imported.find(U'A'));

    const std::filesystem::path exported = dir / "out.bdf";
    document.exportFile(formats::formatInfo(formats::Format::Bdf), {}, exported);
    EXPECT_EQ(BitmapDocument::readImport(exported).glyphs, document.editor().font().glyphs);
}

TEST(BitmapDocument, OpensAFoldersFontBdfUnlessTheFolderHoldsTheClassicFont) {
    const ScratchDirectory dir;
    std::filesystem::rename(bdfOf(dir, "5x8-ISO8859-1"), dir / kBitmapFontFileName);
    BitmapDocument document;
    document.open(dir.path());
    EXPECT_EQ(document.path(), dir / kBitmapFontFileName);
    dir.put(formats::kLabelFileName, "");
    support::expectFailure([&] { document.open(dir.path()); }, state::Cause::NoBitmapFontInFolder,
                           {.file = dir.path().filename()});
    EXPECT_EQ(document.path(), dir / kBitmapFontFileName) << "a failure changes nothing";
}

}  // namespace
}  // namespace fontedit::document
