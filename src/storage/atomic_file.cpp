#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "state/failure.h"
#include "storage/write_target.h"

namespace fontedit::storage {
namespace {

using state::Cause;
using state::Failure;

[[noreturn]] void fail(Cause cause, const std::filesystem::path& file, int error) {
    throw Failure(cause, {.file = file.string(), .error = error});
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
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

// A file beside `target` that no other writer uses, owned and moded as `target` is; removed
// unless kept.
class SideFile {
public:
    explicit SideFile(const WriteTarget& target) : target_(target) {
        std::filesystem::path pattern = target.file;
        pattern.replace_filename("." + target.file.filename().string() + ".XXXXXX");
        std::string name = pattern.string();
        fd_ = mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0) fail(Cause::FileAccess, target.path, errno);
        path_ = name;
        // Root saving into a user's folder leaves the user's files the user's; a process
        // that may not give the file away keeps it as its own.
        if (target.exists) (void)!fchown(fd_, target.status.st_uid, target.status.st_gid);
        const mode_t mode = target.exists ? target.status.st_mode & 07777 : newFileMode();
        if (fchmod(fd_, mode) != 0) fail(Cause::FileAccess, target.path, errno);
    }
    SideFile(const SideFile&) = delete;
    SideFile& operator=(const SideFile&) = delete;
    ~SideFile() {
        if (fd_ >= 0) close(fd_);
        if (!kept_) unlink(path_.c_str());
    }

    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }

    void flushAndClose() {
        const int synced = fsync(fd_) == 0 ? 0 : errno;
        const int closed = close(fd_) == 0 ? 0 : errno;
        fd_ = -1;
        if (synced != 0 || closed != 0) {
            fail(Cause::WriteFailed, target_.path, synced ? synced : closed);
        }
    }
    void keep() { kept_ = true; }

private:
    const WriteTarget& target_;
    std::filesystem::path path_;
    int fd_ = -1;
    bool kept_ = false;
};

// Makes renames and new names themselves survive a power cut.
void syncDirectory(const std::filesystem::path& dir, const std::filesystem::path& file) {
    const int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fail(Cause::WriteFailed, file, errno);
    const int synced = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    if (synced != 0) fail(Cause::WriteFailed, file, synced);
}

// One file of a write: prepared (written beside the target, or the target's old content
// copied beside it) before any is committed.
class PendingFile {
public:
    PendingFile(const std::filesystem::path& path, NonRegular nonRegular, Links links)
        : target_(writeTarget(path, links == Links::Refuse)) {
        if (!target_.exists) return;
        if (!S_ISREG(target_.status.st_mode)) {
            if (nonRegular == NonRegular::Refuse) fail(Cause::NotARegularFile, path, 0);
            return;
        }
        // rename() would replace a read-only file.
        if (access(target_.file.c_str(), W_OK) != 0) fail(Cause::PermissionDenied, path, errno);
    }

    void prepare(std::string_view bytes) {
        if (target_.exists && !S_ISREG(target_.status.st_mode)) return;
        side_ = std::make_unique<SideFile>(target_);
        if (inPlace()) {
            copyOldContent();
        } else if (const int error = writeAll(side_->fd(), bytes)) {
            fail(Cause::WriteFailed, target_.path, error);
        }
        side_->flushAndClose();
    }

    void commit(std::string_view bytes) {
        if (target_.exists && !S_ISREG(target_.status.st_mode)) {
            writeInto(bytes);
        } else if (inPlace()) {
            rewrite(bytes);
        } else {
            if (std::rename(side_->path().c_str(), target_.file.c_str()) != 0) {
                fail(Cause::FileAccess, target_.path, errno);
            }
            side_->keep();
        }
    }

    // Whether a flush of the directory is needed once all are committed.
    bool renamed() const { return side_ && !inPlace(); }
    const std::filesystem::path& path() const { return target_.path; }
    std::filesystem::path folder() const { return target_.file.parent_path(); }

private:
    bool inPlace() const { return target_.exists && target_.status.st_nlink > 1; }

    int openTarget(int flags) const {
        const int fd = open(target_.path.c_str(), flags | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) fail(Cause::FileAccess, target_.path, errno);
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
        if (error != 0) fail(Cause::WriteFailed, target_.path, error);
    }

    // The copy stays until the new content is flushed; a failure names it.
    void rewrite(std::string_view bytes) {
        syncDirectory(folder(), target_.path);
        const int fd = openTarget(O_WRONLY);
        side_->keep();
        int error = writeAll(fd, bytes);
        if (error == 0 && ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
        if (error == 0 && fsync(fd) != 0) error = errno;
        if (close(fd) != 0 && error == 0) error = errno;
        if (error != 0) {
            throw Failure(Cause::PartlyWritten,
                          // The copy lies beside the file; its name alone stays whole in a message.
                          {.file = target_.path.string(),
                           .value = side_->path().filename().string(),
                           .error = error});
        }
        unlink(side_->path().c_str());
    }

    // A device or a FIFO, as the shell's ">" writes into it.
    void writeInto(std::string_view bytes) {
        const int fd = openTarget(O_WRONLY | O_TRUNC);
        int error = writeAll(fd, bytes);
        if (close(fd) != 0 && error == 0) error = errno;
        if (error != 0) fail(Cause::WriteFailed, target_.path, error);
    }

    WriteTarget target_;
    std::unique_ptr<SideFile> side_;
};

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         NonRegular nonRegular, Links links) {
    const FileContent file{path, bytes};
    writeFilesAtomically({&file, 1}, nonRegular, links);
}

void writeFilesAtomically(std::span<const FileContent> files, NonRegular nonRegular, Links links) {
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const FileContent& file : files) {
        pending.push_back(std::make_unique<PendingFile>(file.path, nonRegular, links));
    }
    for (std::size_t i = 0; i < files.size(); ++i) pending[i]->prepare(files[i].bytes);
    for (std::size_t i = 0; i < files.size(); ++i) pending[i]->commit(files[i].bytes);
    // The font's two files share one folder, which needs flushing once.
    std::vector<std::filesystem::path> synced;
    for (const auto& file : pending) {
        if (!file->renamed() || std::ranges::find(synced, file->folder()) != synced.end()) {
            continue;
        }
        syncDirectory(file->folder(), file->path());
        synced.push_back(file->folder());
    }
}

}  // namespace fontedit::storage
