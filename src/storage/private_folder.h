#pragma once

// A folder for the program's own files, such as recovery files, that nobody else may read or
// change.
#include <filesystem>

#include "storage/write_target.h"

namespace fontedit::storage {

// Walks to `folder` as writeTarget() does, creating it and the folders above it that are
// missing, each 0700. An existing `folder` is used only when it is the user's own, and is
// made 0700 again: otherwise FolderNotPrivate, naming it. FileAccess when it cannot be made
// or looked at. The folder stays open for the caller.
Descriptor makePrivateFolder(const std::filesystem::path& folder);

}  // namespace fontedit::storage
