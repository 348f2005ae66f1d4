#include "document/recovery_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "document/recovery_encoding.h"
#include "formats/font_import.h"
#include "state/failure.h"
#include "storage/atomic_file.h"
#include "storage/private_folder.h"
#include "storage/read_file.h"

namespace fontedit::document {
namespace {

// The whole content of a classic font is a few kilobytes, texts typed into it stay far below
// this; a general font's file is read up to kMostImportBytes, and its work may add to it.
constexpr std::size_t kRecoveryLimit = 2 * formats::kMostImportBytes;
// File names, with a window's tag and ".recovery", stay below the 255 bytes a file system allows.
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
std::filesystem::path absoluteFolder(const std::filesystem::path& fontDir) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::weakly_canonical(fontDir, error);
    if (error) absolute = std::filesystem::absolute(fontDir).lexically_normal();
    return absolute;
}

std::string nameFor(const std::filesystem::path& fontDir) {
    const std::filesystem::path absolute = absoluteFolder(fontDir);
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
    return name;
}

constexpr std::string_view kRecoveryEnd = ".recovery";
constexpr std::string_view kLockEnd = ".lock";
// Tags a window tries before it gives up: more windows on one folder than anyone opens.
constexpr int kMostTags = 1000;

std::filesystem::path lockOf(std::filesystem::path recovery) {
    return recovery.replace_extension(kLockEnd);
}

// "<pid>-<n>": digits, one "-", digits.
bool isTag(std::string_view tag) {
    const std::size_t dash = tag.find('-');
    if (dash == 0 || dash == tag.npos || dash + 1 == tag.size()) return false;
    return std::ranges::all_of(
               tag,
               [](char c) { return c == '-' || std::isdigit(static_cast<unsigned char>(c)); }) &&
           tag.find('-', dash + 1) == tag.npos;
}

// Whether `name` is a recovery file of the folder named `stem`: "<stem>.<tag>.recovery", or
// "<stem>.recovery" as earlier versions named the one file of a folder.
bool isRecoveryOf(std::string_view name, std::string_view stem) {
    if (!name.starts_with(stem) || !name.ends_with(kRecoveryEnd)) return false;
    const std::string_view middle =
        name.substr(stem.size(), name.size() - stem.size() - kRecoveryEnd.size());
    return middle.empty() || (middle.starts_with('.') && isTag(middle.substr(1)));
}

state::Failure withFile(state::Failure failure, const std::filesystem::path& path) {
    if (failure.facts().file.empty()) failure.facts().file = path.string();
    return failure;
}

}  // namespace

std::filesystem::path recoveryFolder() {
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    const std::filesystem::path base = stateHome != nullptr && *stateHome == '/'
                                           ? std::filesystem::path(stateHome)
                                           : homeFolder() / ".local" / "state";
    return base / "fontedit";
}

RecoveryLock::RecoveryLock(RecoveryLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

RecoveryLock& RecoveryLock::operator=(RecoveryLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

RecoveryLock::~RecoveryLock() {
    if (fd_ >= 0) close(fd_);
}

RecoveryLock RecoveryLock::take(const std::filesystem::path& path, bool fresh) {
    struct stat status {};
    if (!fresh && lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        throw state::Failure(state::Cause::NotARegularFile, {.file = path.string()});
    }
    const int flags = O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | (fresh ? O_EXCL : 0);
    const int fd = open(path.c_str(), flags, 0600);
    if (fd < 0 && !fresh && errno == ELOOP) {
        throw state::Failure(state::Cause::NotARegularFile, {.file = path.string()});
    }
    if (fd < 0) return RecoveryLock();
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return RecoveryLock();
    }
    return RecoveryLock(fd);
}

RecoveryFile::RecoveryFile(std::filesystem::path fontDir) : fontDir_(std::move(fontDir)) {}

RecoveryFile::~RecoveryFile() {
    if (lock_.held() && !exists()) unlink(lockOf(path_).c_str());
}

bool RecoveryFile::exists() const {
    std::error_code error;
    return !path_.empty() && std::filesystem::is_regular_file(path_, error);
}

void RecoveryFile::write(const editing::Editor& editor) {
    const state::EditorState& state = editor.state();
    document::EditorContent content =
        document::editorContent(state.font, state.labels, state.codeField().text());
    content.folder = absoluteFolder(fontDir_).string();
    writeBytes(document::recoveryBytes(content));
}

void RecoveryFile::write(const BitmapDocument& document) {
    writeBytes(document::bitmapRecoveryBytes({.path = absoluteFolder(fontDir_).string(),
                                              .current = document.editor().current(),
                                              .text = document.text()}));
}

void RecoveryFile::writeBytes(std::string_view bytes) {
    if (!lock_.held()) {
        const std::filesystem::path folder = recoveryFolder();
        storage::makePrivateFolder(folder);
        const std::string stem = nameFor(fontDir_) + '.' + std::to_string(getpid()) + '-';
        for (int n = 0; n < kMostTags && !lock_.held(); ++n) {
            const std::filesystem::path path =
                folder / (stem + std::to_string(n) + std::string(kRecoveryEnd));
            std::error_code error;
            if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) continue;
            lock_ = RecoveryLock::take(lockOf(path), true);
            if (lock_.held()) path_ = path;
        }
        if (!lock_.held()) {
            throw state::Failure(state::Cause::FileAccess,
                                 {.file = (folder / stem).string(), .error = errno});
        }
    }
    storage::writeFileAtomically(path_, bytes, storage::NonRegular::Refuse, storage::Links::Refuse,
                                 0600);
}

void RecoveryFile::remove() const {
    if (!path_.empty()) unlink(path_.c_str());
}

void LeftRecovery::restore(editing::Editor& editor) const {
    document::EditorContent content;
    try {
        content = document::parseRecovery(storage::readWholeFile(path_, kRecoveryLimit));
    } catch (const state::Failure& failure) {
        throw withFile(failure, path_);
    }
    editor.restore(
        [&content](state::FontTable& font, state::LabelTable& labels) {
            document::storeEditorContent(content, font, labels);
        },
        content.code);
}

void LeftRecovery::restore(BitmapDocument& document) const {
    try {
        const document::BitmapContent content =
            document::parseBitmapRecovery(storage::readWholeFile(path_, kRecoveryLimit));
        document.restore(content.text, content.current);
    } catch (const state::Failure& failure) {
        throw withFile(failure, path_);
    }
}

void LeftRecovery::remove() const {
    unlink(path_.c_str());
    unlink(lockOf(path_).c_str());
}

std::vector<LeftRecovery> leftRecoveries(const std::filesystem::path& fontDir) {
    const std::filesystem::path folder = recoveryFolder();
    storage::makePrivateFolder(folder);
    std::string stem = nameFor(fontDir);
    const std::string ownFolder = absoluteFolder(fontDir).string();
    std::vector<LeftRecovery> left;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        if (!isRecoveryOf(path.filename().native(), stem)) continue;
        std::error_code statusError;
        if (!entry.is_regular_file(statusError) || entry.is_symlink(statusError)) continue;
        // A name can be shared by two folders, such as "a" with a window's tag and a folder
        // called so; the file's own folder decides.
        try {
            const std::string bytes = storage::readWholeFile(path, kRecoveryLimit);
            const std::string folder = document::isBitmapRecovery(bytes)
                                           ? document::parseBitmapRecovery(bytes).path
                                           : document::parseRecovery(bytes).folder;
            if (!folder.empty() && folder != ownFolder) continue;
        } catch (const state::Failure&) {
            // Offered all the same: restoring it tells what is wrong with it.
        }
        RecoveryLock lock = RecoveryLock::take(lockOf(path), false);
        if (!lock.held()) continue;
        const auto saved = std::filesystem::last_write_time(path, statusError);
        if (statusError) continue;
        left.emplace_back(path, saved, std::move(lock));
    }
    std::ranges::stable_sort(left, std::ranges::greater{}, &LeftRecovery::saved);
    return left;
}

}  // namespace fontedit::document
