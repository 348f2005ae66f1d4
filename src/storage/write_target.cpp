#include "storage/write_target.h"

#include <unistd.h>

#include <cerrno>

#include "state/failure.h"

namespace fontedit::storage {
namespace {

using state::Cause;
using state::Failure;

constexpr int kMostLinks = 40;  // as the kernel allows in one path

[[noreturn]] void fail(Cause cause, const std::filesystem::path& file, int error = 0) {
    throw Failure(cause, {.file = file.string(), .error = error});
}

void refuseUnsafeLink(const std::filesystem::path& link, const struct stat& linkStatus) {
    const std::filesystem::path dir = link.parent_path();
    struct stat dirStatus {};
    if (stat(dir.empty() ? "." : dir.c_str(), &dirStatus) != 0)
        fail(Cause::FileAccess, link, errno);
    const bool shared = (dirStatus.st_mode & S_ISVTX) && (dirStatus.st_mode & S_IWOTH);
    if (shared && linkStatus.st_uid != geteuid() && linkStatus.st_uid != dirStatus.st_uid) {
        fail(Cause::UnsafeLink, link);
    }
}

}  // namespace

WriteTarget writeTarget(const std::filesystem::path& path, bool noLinks) {
    WriteTarget target{.path = path, .file = path};
    bool linked = false;
    for (int links = 0;; ++links) {
        struct stat linkStatus {};
        if (lstat(target.file.c_str(), &linkStatus) != 0) {
            // The end of a link into /proc, such as /dev/stdout, is no name; stat() below
            // follows it.
            if (errno == ENOENT && linked) break;
            if (errno == ENOENT) return target;
            fail(Cause::FileAccess, path, errno);
        }
        if (!S_ISLNK(linkStatus.st_mode)) break;
        if (noLinks) fail(Cause::LinkInPlace, path);
        if (links == kMostLinks) fail(Cause::FileAccess, path, ELOOP);
        refuseUnsafeLink(target.file, linkStatus);
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(target.file, error);
        if (error) fail(Cause::FileAccess, path, error.value());
        target.file = next.is_absolute() ? next : target.file.parent_path() / next;
        linked = true;
    }
    if (stat(path.c_str(), &target.status) != 0) {
        if (errno == ENOENT) fail(Cause::LinkTargetMissing, path);
        fail(Cause::FileAccess, path, errno);
    }
    if (S_ISDIR(target.status.st_mode)) fail(Cause::FileAccess, path, EISDIR);
    target.exists = true;
    return target;
}

}  // namespace fontedit::storage
