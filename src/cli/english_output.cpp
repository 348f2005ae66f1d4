#include "cli/english_output.h"

#include "messages/import_notes.h"

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
           messages::wordedNote(note, messages::english);
}

std::string displayPath(const std::filesystem::path& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    return (dir / name).string();
}

}  // namespace fontedit::cli
