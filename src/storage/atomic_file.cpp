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

namespace fontedit::storage {
namespace {

using state::Cause;
using state::Failure;

constexpr int kMostLinks = 40;  // as the kernel allows in one path

[[noreturn]] void fail(Cause cause, const std::filesystem::path& file, int error) {
    throw Failure(cause, {.file = file.string(), .error = error});
}

// The file a write to `path` lands in: the end of its chain of symbolic links, if any.
std::filesystem::path linkTarget(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    for (int links = 0;; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(target, error)) return target;
        if (links == kMostLinks) fail(Cause::FileAccess, path, ELOOP);
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) fail(Cause::FileAccess, path, error.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A file beside the target that no other writer uses; removed unless it was renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& path)
        : path_(path), target_(linkTarget(path)) {
        const mode_t mode = checkTarget();
        std::filesystem::path pattern = target_;
        pattern.replace_filename("." + target_.filename().string() + ".XXXXXX");
        std::string name = pattern.string();
        fd_ = mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0) fail(Cause::FileAccess, path_, errno);
        temporary_ = name;
        if (fchmod(fd_, mode) != 0) fail(Cause::FileAccess, path_, errno);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) close(fd_);
        if (!temporary_.empty() && !renamed_) unlink(temporary_.c_str());
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) fail(Cause::WriteFailed, path_, written < 0 ? errno : ENOSPC);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        const int synced = fsync(fd_) == 0 ? 0 : errno;
        const int closed = close(fd_) == 0 ? 0 : errno;
        fd_ = -1;
        if (synced != 0 || closed != 0) fail(Cause::WriteFailed, path_, synced ? synced : closed);
    }

    void commit() {
        if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
            fail(Cause::FileAccess, path_, errno);
        }
        renamed_ = true;
    }

    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& path() const { return path_; }

private:
    // The permission bits the new file gets. A directory in the file's place, or a file a
    // plain write could not change, is refused before anything is written: rename() would
    // replace a read-only file and would refuse a directory only after earlier files were
    // already renamed.
    mode_t checkTarget() const {
        struct stat status {};
        if (stat(target_.c_str(), &status) != 0) {
            if (errno == ENOENT) return newFileMode();
            fail(Cause::FileAccess, path_, errno);
        }
        if (S_ISDIR(status.st_mode)) fail(Cause::FileAccess, path_, EISDIR);
        if (access(target_.c_str(), W_OK) != 0) fail(Cause::PermissionDenied, path_, errno);
        return status.st_mode & 07777;
    }

    std::filesystem::path path_;
    std::filesystem::path target_;
    std::string temporary_;
    int fd_ = -1;
    bool renamed_ = false;
};

// Makes the renames themselves survive a power cut.
void syncDirectory(const TemporaryFile& file) {
    const std::filesystem::path dir = file.target().parent_path();
    const int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fail(Cause::WriteFailed, file.path(), errno);
    const int synced = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    if (synced != 0) fail(Cause::WriteFailed, file.path(), synced);
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const FileContent file{path, bytes};
    writeFilesAtomically({&file, 1});
}

void writeFilesAtomically(std::span<const FileContent> files) {
    std::vector<std::unique_ptr<TemporaryFile>> temporaries;
    for (const FileContent& file : files) {
        temporaries.push_back(std::make_unique<TemporaryFile>(file.path));
    }
    for (std::size_t i = 0; i < files.size(); ++i) temporaries[i]->write(files[i].bytes);
    for (const auto& temporary : temporaries) temporary->commit();
    // The font's two files share one folder, which needs flushing once.
    std::vector<std::filesystem::path> synced;
    for (const auto& temporary : temporaries) {
        const std::filesystem::path dir = temporary->target().parent_path();
        if (std::ranges::find(synced, dir) != synced.end()) continue;
        syncDirectory(*temporary);
        synced.push_back(dir);
    }
}

}  // namespace fontedit::storage
