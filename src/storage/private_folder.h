#pragma once

// A folder for the program's own files, such as recovery files, that nobody else may change.
#include <filesystem>

namespace fontedit::storage {

// Creates `folder` and the folders above it that are missing, each 0700. An existing `folder`
// is used only when it is the user's own and neither group nor others may write to it:
// otherwise FolderNotPrivate, naming it. FileAccess when it cannot be made or looked at.
void makePrivateFolder(const std::filesystem::path& folder);

}  // namespace fontedit::storage
