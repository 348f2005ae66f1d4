#include "cli/messages.h"

#include "formats/import_notes.h"

namespace fontedit::cli {
void inFile(const std::string& file, const std::function<void()>& action) {
    try {
        action();
    } catch (state::Failure& failure) {
        if (failure.facts().file.empty()) failure.facts().file = file;
        throw;
    }
}

std::string englishNote(const std::string& file, const formats::ImportNote& note) {
    return messages::englishLocation({.file = file, .line = note.line}) +
           formats::wordedNote(note, messages::english);
}

std::vector<std::string> panelNotes(const formats::PanelText& text, formats::PanelSize size) {
    const std::string panel = std::to_string(size.columns) + "x" + std::to_string(size.rows);
    std::vector<std::string> notes;
    if (!text.missing.empty()) {
        std::string list;
        for (const std::string& character : text.missing) {
            list += (list.empty() ? "'" : ", '") + state::escapedBytes(character) + "'";
        }
        notes.push_back("no glyph for " + list + ": shown as a blank cell");
    }
    if (text.customCodes.size() > formats::kCgramSlots) {
        std::string list;
        for (const int code : text.customCodes) {
            list += (list.empty() ? "" : ", ") + std::to_string(code);
        }
        notes.push_back("warning: " + std::to_string(text.customCodes.size()) +
                        " glyphs are not in the character ROM and need CGRAM, which holds " +
                        std::to_string(formats::kCgramSlots) + ": codes " + list);
    }
    if (text.cut > 0) {
        notes.push_back(std::to_string(text.cut) +
                        (text.cut == 1 ? " character does" : " characters do") + " not fit the " +
                        panel + " panel and " + (text.cut == 1 ? "is" : "are") + " left out");
    }
    return notes;
}

std::string displayPath(const std::filesystem::path& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    return (dir / name).string();
}

}  // namespace fontedit::cli
