#include "storage/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "state/failure.h"
#include "storage/write_target.h"

namespace fontedit::storage {
namespace {

using state::Cause;
using state::Failure;

mode_t newFileMode(mode_t mode) {
    const mode_t mask = umask(0);
    umask(mask);
    return mode & ~mask;
}

// Writes all of `bytes`; the errno of the failure, or 0.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string randomLetters() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[6] = {};
    if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        static unsigned calls = 0;
        unsigned seed = static_cast<unsigned>(getpid()) ^ static_cast<unsigned>(time(nullptr)) ^
                        (++calls * 2654435761U);
        for (unsigned char& byte : random) byte = static_cast<unsigned char>(rand_r(&seed));
    }
    std::string letters;
    for (const unsigned char byte : random) letters += kLetters[byte % (sizeof kLetters - 1)];
    return letters;
}

// A temporary name this process gives a new file of `target`: ".<name>.<pid>.XXXXXX", so
// that a later write knows one left by a process that no longer runs.
std::string temporaryStem(const std::string& target) {
    return "." + target + ".";
}

// Removes the temporary files of `name` that a killed writer of this user left behind.
void removeStaleTemporaries(const WriteTarget& target) {
    const int fd = openat(target.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* folder = fdopendir(fd);
    if (folder == nullptr) {
        close(fd);
        return;
    }
    const std::string stem = temporaryStem(target.name);
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(stem)) continue;
        const std::string_view rest = name.substr(stem.size());
        const std::size_t dot = rest.find('.');
        if (dot == 0 || dot == rest.npos || rest.size() - dot - 1 != 6) continue;
        pid_t pid = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + dot, pid);
        if (error != std::errc() || end != rest.data() + dot || pid <= 0) continue;
        if (kill(pid, 0) == 0 || errno != ESRCH) continue;
        struct stat status {};
        if (fstatat(dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != geteuid()) {
            continue;
        }
        unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

// A file beside `target` that no other writer uses, owned and moded as `target` is. Where the
// file system allows it, it has no name until it is put in the target's place, so that a kill
// leaves nothing behind; otherwise it is removed unless kept.
class SideFile {
public:
    enum class Kind { Unnamed, Temporary, Copy };

    SideFile(const WriteTarget& target, Kind kind, mode_t mode) : target_(target) {
        const int folder = target.folder.get();
        if (kind != Kind::Copy) removeStaleTemporaries(target);
        if (kind == Kind::Unnamed) {
            fd_ = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (fd_ < 0) kind = Kind::Temporary;
        }
        for (int tries = 0; fd_ < 0 && tries < 100; ++tries) {
            name_ = kind == Kind::Temporary ? temporaryStem(target.name) +
                                                  std::to_string(getpid()) + '.' + randomLetters()
                                            : "." + target.name + "." + randomLetters();
            fd_ = openat(folder, name_.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) failOnFile(Cause::FileAccess, target.path, errno);
        // Root saving into a user's folder leaves the user's files the user's; a process
        // that may not give the file away keeps it as its own.
        if (target.exists) (void)!fchown(fd_, target.status.st_uid, target.status.st_gid);
        const mode_t fileMode = target.exists ? target.status.st_mode & 07777 : newFileMode(mode);
        if (fchmod(fd_, fileMode) != 0) failOnFile(Cause::FileAccess, target.path, errno);
    }
    SideFile(const SideFile&) = delete;
    SideFile& operator=(const SideFile&) = delete;
    ~SideFile() {
        if (fd_ >= 0) close(fd_);
        if (!kept_ && !name_.empty()) unlinkat(target_.folder.get(), name_.c_str(), 0);
    }

    int fd() const { return fd_; }
    // Empty while the file has no name.
    const std::string& name() const { return name_; }

    void flush() {
        if (fsync(fd_) != 0) failOnFile(Cause::WriteFailed, target_.path, errno);
    }

    // Puts the file in the target's place.
    void replaceTarget() {
        const int folder = target_.folder.get();
        if (name_.empty()) {
            const std::string self = "/proc/self/fd/" + std::to_string(fd_);
            // A new file takes its name at once; an old one is replaced by a rename, which
            // a link cannot do.
            if (!target_.exists && linkNamed(self, target_.name)) {
                kept_ = true;
                return;
            }
            for (int tries = 0; name_.empty() && tries < 100; ++tries) {
                const std::string name =
                    temporaryStem(target_.name) + std::to_string(getpid()) + '.' + randomLetters();
                if (linkNamed(self, name))
                    name_ = name;
                else if (errno != EEXIST)
                    break;
            }
            if (name_.empty()) failOnFile(Cause::FileAccess, target_.path, errno);
        }
        if (renameat(folder, name_.c_str(), folder, target_.name.c_str()) != 0) {
            failOnFile(Cause::FileAccess, target_.path, errno);
        }
        kept_ = true;
    }
    void keep() { kept_ = true; }

private:
    bool linkNamed(const std::string& self, const std::string& name) const {
        const int folder = target_.folder.get();
        return linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
               (errno != EEXIST && linkat(fd_, "", folder, name.c_str(), AT_EMPTY_PATH) == 0);
    }

    const WriteTarget& target_;
    std::string name_;
    int fd_ = -1;
    bool kept_ = false;
};

// Makes renames and new names themselves survive a power cut.
void syncFolder(int folder, const std::filesystem::path& file) {
    const int fd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) failOnFile(Cause::WriteFailed, file, errno);
    const int synced = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    if (synced != 0) failOnFile(Cause::WriteFailed, file, synced);
}

// One file of a write: prepared (written beside the target, or the target's old content
// copied beside it) before any is committed.
class PendingFile {
public:
    PendingFile(const std::filesystem::path& path, NonRegular nonRegular, Links links, mode_t mode)
        : target_(writeTarget(path, links == Links::Refuse)), mode_(mode) {
        if (!target_.exists) return;
        if (!S_ISREG(target_.status.st_mode) || target_.kernelLink) {
            if (nonRegular == NonRegular::Refuse) failOnFile(Cause::NotARegularFile, path, 0);
            return;
        }
        // rename() would replace a read-only file.
        if (faccessat(target_.folder.get(), target_.name.c_str(), W_OK, 0) != 0) {
            failOnFile(Cause::PermissionDenied, path, errno);
        }
    }

    void prepare(std::string_view bytes) {
        if (writesInto()) return;
        side_ = std::make_unique<SideFile>(
            target_, inPlace() ? SideFile::Kind::Copy : SideFile::Kind::Unnamed, mode_);
        if (inPlace()) {
            copyOldContent();
        } else if (const int error = writeAll(side_->fd(), bytes)) {
            failOnFile(Cause::WriteFailed, target_.path, error);
        }
        side_->flush();
    }

    void commit(std::string_view bytes) {
        if (writesInto()) {
            writeInto(bytes);
        } else if (inPlace()) {
            rewrite(bytes);
        } else {
            side_->replaceTarget();
        }
    }

    // Whether a flush of the folder is needed once all are committed.
    bool renamed() const { return side_ && !inPlace(); }
    const std::filesystem::path& path() const { return target_.path; }
    int folder() const { return target_.folder.get(); }

private:
    bool writesInto() const {
        return target_.exists && (!S_ISREG(target_.status.st_mode) || target_.kernelLink);
    }
    bool inPlace() const { return target_.exists && target_.status.st_nlink > 1; }

    int openTarget(int flags) const {
        if (!target_.kernelLink) flags |= O_NOFOLLOW;
        const int fd =
            openat(target_.folder.get(), target_.name.c_str(), flags | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            failOnFile(errno == ENXIO ? Cause::NoReader : Cause::FileAccess, target_.path, errno);
        return fd;
    }

    void copyOldContent() {
        const int from = openTarget(O_RDONLY);
        char buffer[64 * 1024];
        int error = 0;
        for (ssize_t count; error == 0 && (count = read(from, buffer, sizeof buffer)) != 0;) {
            if (count < 0) {
                error = errno == EINTR ? 0 : errno;
                continue;
            }
            error = writeAll(side_->fd(), {buffer, static_cast<std::size_t>(count)});
        }
        close(from);
        if (error != 0) failOnFile(Cause::WriteFailed, target_.path, error);
    }

    // The copy stays until the new content is flushed; a failure names it.
    void rewrite(std::string_view bytes) {
        syncFolder(folder(), target_.path);
        const int fd = openTarget(O_WRONLY);
        side_->keep();
        int error = writeAll(fd, bytes);
        if (error == 0 && ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
        if (error == 0 && fsync(fd) != 0) error = errno;
        if (close(fd) != 0 && error == 0) error = errno;
        if (error != 0) {
            throw Failure(Cause::PartlyWritten,
                          // The copy lies beside the file; its name alone stays whole in a message.
                          {.file = target_.path.string(), .value = side_->name(), .error = error});
        }
        unlinkat(folder(), side_->name().c_str(), 0);
    }

    // A device or a FIFO, as the shell's ">" writes into it; a FIFO nothing reads is refused
    // at once rather than waited on.
    void writeInto(std::string_view bytes) {
        const int fd = openTarget(O_WRONLY | O_TRUNC | O_NONBLOCK);
        const int flags = fcntl(fd, F_GETFL);
        int error = flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ? errno : 0;
        if (error == 0) error = writeAll(fd, bytes);
        if (close(fd) != 0 && error == 0) error = errno;
        if (error != 0) failOnFile(Cause::WriteFailed, target_.path, error);
    }

    WriteTarget target_;
    mode_t mode_;
    std::unique_ptr<SideFile> side_;
};

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         NonRegular nonRegular, Links links, mode_t mode) {
    const FileContent file{path, bytes};
    writeFilesAtomically({&file, 1}, nonRegular, links, mode);
}

void writeFilesAtomically(std::span<const FileContent> files, NonRegular nonRegular, Links links,
                          mode_t mode) {
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const FileContent& file : files) {
        pending.push_back(std::make_unique<PendingFile>(file.path, nonRegular, links, mode));
    }
    for (std::size_t i = 0; i < files.size(); ++i) pending[i]->prepare(files[i].bytes);
    for (std::size_t i = 0; i < files.size(); ++i) pending[i]->commit(files[i].bytes);
    // The font's two files share one folder, which needs flushing once.
    std::vector<std::pair<dev_t, ino_t>> synced;
    for (const auto& file : pending) {
        struct stat status {};
        if (!file->renamed() || fstat(file->folder(), &status) != 0) continue;
        const std::pair folder{status.st_dev, status.st_ino};
        if (std::ranges::find(synced, folder) != synced.end()) continue;
        syncFolder(file->folder(), file->path());
        synced.push_back(folder);
    }
}

}  // namespace fontedit::storage
