#pragma once

// The recovery files of a font's folder: the editor's whole content while it holds work that
// is not saved, so that a crash, a kill or a logout loses nothing. They lie in
// $XDG_STATE_HOME/fontedit/ (by default ~/.local/state/fontedit/), a folder nobody else may
// write to. Each window on the folder has a file of its own, named after the folder and the
// window, and holds a lock beside it for as long as it runs: a file whose lock nobody holds
// was left by a window that ended without saving, and only such a file is ever offered back,
// to a window on the folder the file itself names. The files are readable by the user alone.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/bitmap_document.h"
#include "editing/editor.h"

namespace fontedit::document {

// A lock on a file beside a recovery file, released when destroyed.
class RecoveryLock {
public:
    RecoveryLock() = default;
    RecoveryLock(RecoveryLock&& other) noexcept;
    RecoveryLock& operator=(RecoveryLock&& other) noexcept;
    ~RecoveryLock();

    // Takes the lock at `path`, creating the file, which must be new when `fresh`; not held
    // when another holds it. A lock that is there as a link or a folder fails with
    // NotARegularFile naming it.
    static RecoveryLock take(const std::filesystem::path& path, bool fresh);
    bool held() const { return fd_ >= 0; }

private:
    explicit RecoveryLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// This window's own recovery file for a font's folder, or for a general font's BDF file, which
// stands for `fontDir` here and below. Nothing is made until the first write.
class RecoveryFile {
public:
    explicit RecoveryFile(std::filesystem::path fontDir);
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;
    // Lets go of the lock; a window that ends clean leaves nothing behind.
    ~RecoveryFile();

    // Empty before the first write.
    const std::filesystem::path& path() const { return path_; }
    bool exists() const;

    // Writes the editor's content atomically, first making the folder private and taking this
    // window's lock. A link in the file's place is refused with LinkInPlace, never followed.
    void write(const editing::Editor& editor);
    void write(const BitmapDocument& document);
    void remove() const;

private:
    void writeBytes(std::string_view bytes);

    std::filesystem::path fontDir_;
    std::filesystem::path path_;
    RecoveryLock lock_;
};

// A file another window on the folder left when it ended; locked by this one while it is
// offered, so that no other window offers it at the same time.
class LeftRecovery {
public:
    LeftRecovery(std::filesystem::path path, std::filesystem::file_time_type saved,
                 RecoveryLock lock)
        : path_(std::move(path)), saved_(saved), lock_(std::move(lock)) {}

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::file_time_type saved() const { return saved_; }
    // Brings the content back into the editor as unsaved work, at the code that was current.
    void restore(editing::Editor& editor) const;
    // The same for a general font: fails with RecoveryDamaged for a file of the other kind.
    void restore(BitmapDocument& document) const;
    // The file and its lock go: its work was given up, or taken into a window's own file.
    void remove() const;

private:
    std::filesystem::path path_;
    std::filesystem::file_time_type saved_;
    RecoveryLock lock_;
};

// The files of the folder whose windows have ended, newest first. Fails with FolderNotPrivate
// when the state folder is not the user's, and as RecoveryLock::take() for a lock.
std::vector<LeftRecovery> leftRecoveries(const std::filesystem::path& fontDir);

// The folder recovery files lie in, from the environment.
std::filesystem::path recoveryFolder();

}  // namespace fontedit::document
