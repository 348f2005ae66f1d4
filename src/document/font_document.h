#pragma once

// The editor bound to its font's folder: "読出し", "保存" and "Cヘッダ生成" as the window
// runs them.
#include <filesystem>

#include "editing/editor.h"
#include "formats/font_files.h"

namespace fontedit::document {

class FontDocument {
public:
    FontDocument(editing::Editor& editor, std::filesystem::path dir);

    const std::filesystem::path& directory() const { return dir_; }

    // "読出し": loads and checks both files, then stores codes 0-95 as one undo step, counts
    // them as saved and shows the current code's glyph, which may still fail on the code field
    // after the tables were loaded.
    void read();
    // The same from files already in memory.
    void read(const formats::FontFiles& files);
    // "保存": writes both files; the tables then count as saved.
    void save();
    // "Cヘッダ生成": writes "font.h" and changes nothing else.
    void exportHeader();

private:
    void store(const formats::FontData& data);

    editing::Editor& editor_;
    std::filesystem::path dir_;
};

}  // namespace fontedit::document
