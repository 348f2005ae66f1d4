#include "storage/write_target.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>
#include <vector>

#include "state/failure.h"

namespace fontedit::storage {
namespace {

using state::Cause;
using state::Failure;

constexpr int kMostLinks = 40;  // as the kernel allows in one path

bool shared(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

bool strangers(const struct stat& folder, const struct stat& entry) {
    return shared(folder) && entry.st_uid != geteuid() && entry.st_uid != folder.st_uid;
}

// The names still to walk, the next one last.
void pushParts(std::vector<std::string>& pending, const std::filesystem::path& path) {
    std::vector<std::string> parts;
    for (const std::filesystem::path& part : path.relative_path()) {
        if (!part.empty() && part != ".") parts.push_back(part.string());
    }
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

Descriptor openAt(int folder, const char* name, int flags, const std::filesystem::path& path) {
    const int fd = openat(folder, name, flags | O_CLOEXEC);
    if (fd < 0) failOnFile(Cause::FileAccess, path, errno);
    return Descriptor(fd);
}

Descriptor rootOf(const std::filesystem::path& path) {
    return openAt(AT_FDCWD, path.is_absolute() ? "/" : ".", O_PATH | O_DIRECTORY, path);
}

struct stat statusOf(int fd, const std::filesystem::path& path) {
    struct stat status {};
    if (fstat(fd, &status) != 0) failOnFile(Cause::FileAccess, path, errno);
    return status;
}

bool onProc(int folder) {
    struct statfs system {};
    return fstatfs(folder, &system) == 0 && system.f_type == PROC_SUPER_MAGIC;
}

// The walk: folders are entered only as what they are when opened, and a link is read from
// the very link whose owner was judged.
class Walk {
public:
    explicit Walk(const std::filesystem::path& path)
        : path_(path), walked_(path.root_path()), folder_(rootOf(path)) {
        pushParts(pending_, path);
    }

    bool done() const { return pending_.empty(); }
    bool atLast() const { return pending_.size() == 1; }
    const std::string& next() const { return pending_.back(); }
    Descriptor& folder() { return folder_; }

    // Steps into the folder `next()`, or along the link standing there.
    void enterNext(mode_t mode) {
        const std::string name = next();
        int fd = openat(folder_.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && mode != 0) {
            if (mkdirat(folder_.get(), name.c_str(), mode) != 0 && errno != EEXIST) {
                failOnFile(Cause::FileAccess, path_, errno);
            }
            fd = openat(folder_.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        }
        if (fd < 0) failOnFile(Cause::FileAccess, path_, errno);
        Descriptor entry(fd);
        const struct stat status = statusOf(entry.get(), path_);
        if (S_ISLNK(status.st_mode)) {
            follow(entry, status);
        } else if (S_ISDIR(status.st_mode)) {
            walked_ /= name;
            pending_.pop_back();
            folder_ = std::move(entry);
        } else {
            failOnFile(Cause::FileAccess, path_, ENOTDIR);
        }
    }

    // Replaces the link `next()` with what it names.
    void follow(const Descriptor& link, const struct stat& linkStatus) {
        // The link as the user would find it, while the walk is still on the given names.
        const std::filesystem::path shown = links_ == 0 ? walked_ / next() : path_;
        if (strangers(statusOf(folder_.get(), path_), linkStatus))
            failOnFile(Cause::UnsafeLink, shown);
        if (++links_ > kMostLinks) failOnFile(Cause::FileAccess, path_, ELOOP);
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlinkat(link.get(), "", target.data(), target.size());
        if (length < 0) failOnFile(Cause::FileAccess, path_, errno);
        target.resize(static_cast<std::size_t>(length));
        pending_.pop_back();
        if (!target.empty() && target.front() == '/') folder_ = rootOf(target);
        pushParts(pending_, target);
    }

private:
    std::filesystem::path path_;
    std::filesystem::path walked_;
    Descriptor folder_;
    std::vector<std::string> pending_;
    int links_ = 0;
};

}  // namespace

void failOnFile(Cause cause, const std::filesystem::path& file, int error) {
    throw Failure(cause, {.file = file.string(), .error = error});
}

Descriptor::Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) close(fd_);
}

WriteTarget writeTarget(const std::filesystem::path& path, bool noLinks) {
    Walk walk(path);
    if (walk.done()) failOnFile(Cause::FileAccess, path, EISDIR);
    bool linked = false;
    for (;;) {
        if (!walk.atLast()) {
            walk.enterNext(0);
            continue;
        }
        const std::string name = walk.next();
        const int folder = walk.folder().get();
        struct stat status {};
        if (fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && linked) failOnFile(Cause::LinkTargetMissing, path);
            if (errno != ENOENT) failOnFile(Cause::FileAccess, path, errno);
            return {.path = path, .folder = std::move(walk.folder()), .name = name};
        }
        if (S_ISLNK(status.st_mode)) {
            if (noLinks) failOnFile(Cause::LinkInPlace, path);
            const Descriptor link(openat(folder, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
            if (!link.valid()) failOnFile(Cause::FileAccess, path, errno);
            const struct stat linkStatus = statusOf(link.get(), path);
            // A link of /proc to a pipe or a socket names nothing the walk could reach.
            if (S_ISLNK(linkStatus.st_mode) && onProc(folder)) {
                char first = 0;
                if (readlinkat(link.get(), "", &first, 1) == 1 && first != '/') {
                    if (fstatat(folder, name.c_str(), &status, 0) != 0) {
                        failOnFile(Cause::FileAccess, path, errno);
                    }
                    return {.path = path,
                            .folder = std::move(walk.folder()),
                            .name = name,
                            .exists = true,
                            .kernelLink = true,
                            .status = status};
                }
            }
            if (!S_ISLNK(linkStatus.st_mode)) continue;  // replaced meanwhile: looked at anew
            walk.follow(link, linkStatus);
            linked = true;
            continue;
        }
        if (S_ISDIR(status.st_mode)) failOnFile(Cause::FileAccess, path, EISDIR);
        if ((S_ISFIFO(status.st_mode) || S_ISREG(status.st_mode)) &&
            strangers(statusOf(folder, path), status)) {
            failOnFile(Cause::UnsafeFile, path);
        }
        return {.path = path,
                .folder = std::move(walk.folder()),
                .name = name,
                .exists = true,
                .status = status};
    }
}

Descriptor openFolder(const std::filesystem::path& path, mode_t mode) {
    Walk walk(path);
    while (!walk.done()) walk.enterNext(mode);
    return std::move(walk.folder());
}

}  // namespace fontedit::storage
