#pragma once

// Reading a whole file into memory, so that it can be checked before anything is stored.
#include <filesystem>
#include <string>

namespace fontedit::files {

// Fails with FileNotFound when nothing stands at `path`, with FileAccess when it cannot be
// read; the failure names the file.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace fontedit::files
