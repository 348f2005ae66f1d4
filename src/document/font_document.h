#pragma once

// The editor bound to its font's folder: "読出し", "保存", "Cヘッダ生成", "取り込み" and
// "書き出し" as the window runs them, and what the folder's files held when this document last read
// or wrote them, so that a file another program or window changed since is not replaced unasked.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editing/editor.h"
#include "formats/export_formats.h"
#include "formats/font_import.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "storage/file_identity.h"

namespace fontedit::document {

class FontDocument {
public:
    enum class Write { Save, Export };

    FontDocument(editing::Editor& editor, std::filesystem::path dir);

    const std::filesystem::path& directory() const { return dir_; }
    // Binds the document to another folder; nothing is read or written there yet.
    void open(std::filesystem::path dir);

    // "読出し": loads and checks both files, then stores codes 0-95 as one undo step, counts
    // them as saved and shows the current code's glyph, which may still fail on the code field
    // after the tables were loaded.
    void read();
    // "保存": writes both files; the tables then count as saved.
    void save();
    // "Cヘッダ生成": writes "font.h" and changes nothing else; returns the empty cells it wrote
    // as a bare "0x".
    formats::EmptyCells exportHeader();
    // "取り込み": the font in `file`, in any format importFont reads, gzip packed or not,
    // replaces the tables as one undo step that stays unsaved; nothing is written. A failure
    // names the file and changes nothing.
    std::vector<formats::ImportNote> importFile(const std::filesystem::path& file,
                                                const formats::ImportOptions& options = {});
    // The same in two steps: the reading, which touches no document and may run on any thread,
    // then the taking, on the editor's.
    static formats::ImportedFont readImport(const std::filesystem::path& file,
                                            const formats::ImportOptions& options);
    std::vector<formats::ImportNote> takeImport(formats::ImportedFont font);
    // "書き出し": the font in `format`, written to `file` atomically, as 保存 writes.
    void exportFile(formats::ExportFormat format, const formats::ExportSettings& settings,
                    const std::filesystem::path& file);

    // The names of the files that `write` would replace and that changed on disk since this
    // document last read or wrote them. A file it never read or wrote is not among them, and
    // neither is one that is gone, as replacing it loses nothing.
    std::vector<std::string> changedOnDisk(Write write) const;
    // Where the folder holds a font file that this document has neither read nor written, 保存
    // would replace a font nobody has looked at: how many of its glyphs have a dot.
    std::optional<int> unreadFontGlyphs() const;

private:
    struct KnownFile {
        storage::FileIdentity identity;
        std::string bytes;
    };

    void remember(const std::string& name, std::string bytes);

    editing::Editor& editor_;
    std::filesystem::path dir_;
    std::map<std::string, KnownFile> known_;  // by file name
};

}  // namespace fontedit::document
