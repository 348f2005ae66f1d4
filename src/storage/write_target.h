#pragma once

// What a write to a path would land in, reached one folder at a time as the kernel's
// protections for shared folders would let the writer get there, whatever the system's own
// setting: in a sticky folder others may write to, a link anywhere on the path, a FIFO or a
// regular file is used only when it belongs to the writer or to the folder's owner, so that
// nobody can make root write over a file of their choosing. Each folder on the way is held
// open as it is reached and the last name is used relative to it, so that a link swapped in
// after the check is never followed.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "state/failure.h"

namespace fontedit::storage {

// An open file descriptor, closed when destroyed.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    ~Descriptor();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

struct WriteTarget {
    std::filesystem::path path;  // as given, for messages
    Descriptor folder;           // the folder `name` stands in, opened for lookups only
    std::string name;            // never a link, but for `kernelLink`
    bool exists = false;
    // A link of /proc to no name, such as /dev/stdout's end for a pipe: opened through.
    bool kernelLink = false;
    struct stat status {};  // of `name`, when it exists
};

// Fails with UnsafeLink naming the link, with UnsafeFile for another's FIFO or file in a
// shared folder, with LinkTargetMissing when links lead to nothing, and with FileAccess for a
// directory or a path that cannot be walked; with `noLinks`, a link in the path's last place
// fails with LinkInPlace.
WriteTarget writeTarget(const std::filesystem::path& path, bool noLinks = false);

// The folder at `path`, walked as writeTarget() walks, each missing folder made with `mode`
// (as umask allows) when `mode` is not 0; opened for lookups only. Fails with FileAccess
// naming the path.
Descriptor openFolder(const std::filesystem::path& path, mode_t mode = 0);

// Throws a Failure of `cause` naming `file`, with the errno that caused it or 0.
[[noreturn]] void failOnFile(state::Cause cause, const std::filesystem::path& file, int error = 0);

}  // namespace fontedit::storage
