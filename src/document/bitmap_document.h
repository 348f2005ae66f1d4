#pragma once

// A bitmap font of any cell bound to its BDF file: opened, saved with every glyph that did not
// change kept byte for byte, other fonts merged in as one undo step, exported in any format
// convert writes, and what the file held when this document last read or wrote it, so that a
// file another program changed since is not replaced unasked.
#include <filesystem>
#include <optional>
#include <string>

#include "editing/bitmap_editor.h"
#include "formats/font_import.h"
#include "formats/registry.h"
#include "formats/x11/bdf_document.h"
#include "storage/file_identity.h"

namespace fontedit::document {

// The BDF file a general font's folder holds: "font.bdf", where the folder does not hold the
// classic font's files instead.
inline constexpr const char* kBitmapFontFileName = "font.bdf";
std::optional<std::filesystem::path> bitmapFontIn(const std::filesystem::path& folder);
// What `path` opens as a general font: itself when it is a .bdf file, else bitmapFontIn().
std::optional<std::filesystem::path> bitmapFontAt(const std::filesystem::path& path);

class BitmapDocument {
public:
    // An empty font bound to no file.
    BitmapDocument();
    BitmapDocument(const BitmapDocument&) = delete;
    BitmapDocument& operator=(const BitmapDocument&) = delete;

    editing::BitmapEditor& editor() { return editor_; }
    const editing::BitmapEditor& editor() const { return editor_; }
    // Empty while bound to no file.
    const std::filesystem::path& path() const { return path_; }

    // Reads the BDF file at `path`, or the one bitmapFontIn() finds in the folder `path`, which
    // fails with NoBitmapFontInFolder; the font then counts as saved, with nothing to undo. A
    // failure names the file and changes nothing.
    void open(const std::filesystem::path& path);
    // Writes the font to its file atomically; it then counts as saved. Fails with FileNotFound
    // while bound to no file.
    void save();
    // The same to another file, to which the document is then bound.
    void saveAs(const std::filesystem::path& path);
    // The bytes save() writes: the file read, with what changed since; a font never read from a
    // file as a new BDF file named after the file it is bound to.
    std::string text() const;
    // Whether another file, or the file rewritten, stands at the bound path since this document
    // last read or wrote it; a file that is gone is not, as replacing it loses nothing.
    bool changedOnDisk() const;

    // The font in `file`, in any format convert reads at its own size, gzip packed or not; it
    // touches no document and may run on any thread. A failure names the file.
    static state::BitmapFont readImport(const std::filesystem::path& file,
                                        const formats::ImportOptions& options = {});
    // How many glyphs taking `font` would replace, to ask first; then the taking, one undo step.
    int replacedBy(const state::BitmapFont& font) const { return editor_.replacedBy(font); }
    void takeImport(const state::BitmapFont& font) { editor_.merge(font); }

    // The font in `writer`'s format, written to `file` atomically, as convert writes it.
    void exportFile(const formats::FormatInfo& writer, const formats::BitmapWriteSettings& settings,
                    const std::filesystem::path& file) const;

    // Work brought back from a recovery file: the document's text at the time, which replaces
    // the font as unsaved work, with nothing to undo, at `current`. The bound file stays.
    void restore(std::string_view text, char32_t current);

private:
    std::string textFor(const std::filesystem::path& path) const;

    formats::BdfDocument bdf_;
    editing::BitmapEditor editor_;  // on bdf_'s font, which each reading replaces in place
    bool fromFile_ = false;         // bdf_ holds a file's text, kept for the next writing
    std::filesystem::path path_;
    std::optional<storage::FileIdentity> known_;
};

}  // namespace fontedit::document
