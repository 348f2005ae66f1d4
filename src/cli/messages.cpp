#include "cli/messages.h"

#include "formats/import_notes.h"
#include "messages/catalogue.h"
#include "messages/worded.h"

namespace fontedit::cli {
namespace {

// "dir/fntdat.txt:12: " or "fntdat.txt: ", or nothing when the facts name no file.
std::string fileOf(const state::Facts& facts) {
    if (facts.file.empty()) return {};
    return messages::filled(facts.line > 0 ? "{path}:{line}: " : "{path}: ", facts,
                            messages::english);
}

}  // namespace

// A sentence that names its file itself goes without the "file:" before it.
std::string englishMessage(const state::Failure& failure) {
    const std::string_view sentence = messages::wordingOf(failure.cause()).english;
    const bool namesItsFile = sentence.find("{file}") != std::string_view::npos;
    return (namesItsFile ? std::string() : fileOf(failure.facts())) +
           messages::worded(failure, messages::english);
}

void inFile(const std::string& file, const std::function<void()>& action) {
    try {
        action();
    } catch (state::Failure& failure) {
        if (failure.facts().file.empty()) failure.facts().file = file;
        throw;
    }
}

std::string englishNote(const std::string& file, const formats::ImportNote& note) {
    return fileOf({.file = file, .line = note.line}) + formats::wordedNote(note, messages::english);
}

std::string displayPath(const std::filesystem::path& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    return (dir / name).string();
}

}  // namespace fontedit::cli
