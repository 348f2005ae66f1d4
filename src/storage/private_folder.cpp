#include "storage/private_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "state/failure.h"
#include "storage/write_target.h"

namespace fontedit::storage {

Descriptor makePrivateFolder(const std::filesystem::path& folder) {
    Descriptor opened = openFolder(folder, 0700);
    struct stat status {};
    if (fstat(opened.get(), &status) != 0) {
        throw state::Failure(state::Cause::FileAccess, {.file = folder.string(), .error = errno});
    }
    if (status.st_uid != geteuid()) {
        throw state::Failure(state::Cause::FolderNotPrivate, {.file = folder.string()});
    }
    // Ours, made readable or writable by others by hand or by an older umask.
    if ((status.st_mode & 077) != 0) {
        const Descriptor readable(openat(opened.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!readable.valid() || fchmod(readable.get(), 0700) != 0) {
            throw state::Failure(state::Cause::FileAccess,
                                 {.file = folder.string(), .error = errno});
        }
    }
    return opened;
}

}  // namespace fontedit::storage
