#include "storage/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "state/failure.h"

namespace fontedit::storage {

void makePrivateFolder(const std::filesystem::path& folder) {
    std::filesystem::path made;
    for (const std::filesystem::path& part : folder) {
        made /= part;
        if (mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            throw state::Failure(state::Cause::FileAccess, {.file = made.string(), .error = errno});
        }
    }
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) {
        throw state::Failure(state::Cause::FileAccess, {.file = folder.string(), .error = errno});
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != geteuid() ||
        (status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        throw state::Failure(state::Cause::FolderNotPrivate, {.file = folder.string()});
    }
}

}  // namespace fontedit::storage
