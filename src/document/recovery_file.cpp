#include "document/recovery_file.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/recovery_file.h"
#include "state/failure.h"
#include "storage/atomic_file.h"
#include "storage/read_file.h"

namespace fontedit::document {
namespace {

// The whole content of a font is a few kilobytes; texts typed into it stay far below this.
constexpr std::size_t kRecoveryLimit = 16 << 20;
// File names stay well below the 255 bytes a file system allows.
constexpr std::size_t kLongestName = 200;

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') return home;
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return "/";
}

std::string hexOf(std::uint64_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 0xF];
    return text;
}

// The folder's absolute path with every byte but letters, digits, ".", "_" and "-" written
// as "%XX", so that each folder has a name of its own; a long one keeps its end and a hash of
// the whole.
std::string nameFor(const std::filesystem::path& fontDir) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::weakly_canonical(fontDir, error);
    if (error) absolute = std::filesystem::absolute(fontDir).lexically_normal();
    std::string name;
    std::uint64_t hash = 0xcbf29ce484222325;  // FNV-1a
    for (const char c : absolute.native()) {
        const auto byte = static_cast<unsigned char>(c);
        hash = (hash ^ byte) * 0x100000001b3;
        if (std::isalnum(byte) != 0 || c == '.' || c == '_' || c == '-') {
            name += c;
        } else {
            name += '%' + hexOf(byte, 2);
        }
    }
    if (name.size() > kLongestName) {
        name = hexOf(hash, 16) + '-' + name.substr(name.size() - (kLongestName - 17));
    }
    return name + ".recovery";
}

// Creates the folder and those above it that are missing, private to the user.
void makeFolder(const std::filesystem::path& folder) {
    std::filesystem::path made;
    for (const std::filesystem::path& part : folder) {
        made /= part;
        if (mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            throw state::Failure(state::Cause::FileAccess, {.file = made.string(), .error = errno});
        }
    }
}

}  // namespace

std::filesystem::path recoveryFolder() {
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    const std::filesystem::path base = stateHome != nullptr && *stateHome == '/'
                                           ? std::filesystem::path(stateHome)
                                           : homeFolder() / ".local" / "state";
    return base / "fontedit";
}

RecoveryFile::RecoveryFile(const std::filesystem::path& fontDir)
    : path_(recoveryFolder() / nameFor(fontDir)) {}

bool RecoveryFile::exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(path_, error);
}

void RecoveryFile::write(const editing::Editor& editor) const {
    const state::EditorState& state = editor.state();
    makeFolder(path_.parent_path());
    storage::writeFileAtomically(path_, formats::recoveryBytes(formats::editorContent(
                                            state.font, state.labels, state.codeField().text())));
}

void RecoveryFile::restore(editing::Editor& editor) const {
    formats::EditorContent content;
    try {
        content = formats::parseRecovery(storage::readWholeFile(path_, kRecoveryLimit));
    } catch (state::Failure& failure) {
        if (failure.facts().file.empty()) failure.facts().file = path_.string();
        throw;
    }
    editor.restore(
        [&content](state::FontTable& font, state::LabelTable& labels) {
            formats::storeEditorContent(content, font, labels);
        },
        content.code);
}

void RecoveryFile::remove() const {
    std::error_code error;
    std::filesystem::remove(path_, error);
}

}  // namespace fontedit::document
