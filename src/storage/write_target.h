#pragma once

// What a write to a path would land in, found as the kernel's protected-symlinks rule would
// let the writer get there, whatever the system's own setting: in a sticky folder others may
// write to, a link is followed only when it belongs to the writer or to the folder's owner,
// so that nobody can plant a link there that makes root write over a file of its choosing.
#include <sys/stat.h>

#include <filesystem>

namespace fontedit::storage {

struct WriteTarget {
    std::filesystem::path path;  // as given, for messages
    std::filesystem::path file;  // the end of the chain of links; where a new file goes
    bool exists = false;
    struct stat status {};  // of `file`, when it exists
};

// Fails with UnsafeLink naming the link, with LinkTargetMissing when links lead to nothing,
// and with FileAccess for a directory or a path that cannot be looked at; with `noLinks`, any
// link in the path's place fails with LinkInPlace. A rename() over such a link replaces the
// link itself, so the check cannot be raced into following one.
WriteTarget writeTarget(const std::filesystem::path& path, bool noLinks = false);

}  // namespace fontedit::storage
