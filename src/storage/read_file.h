#pragma once

// Reading files with a cap on what is held in memory, so that a huge or endless file is
// refused or cut rather than read whole.
#include <cstddef>
#include <filesystem>
#include <string>

namespace fontedit::storage {

struct FileStart {
    std::string bytes;
    bool whole;  // false when the file goes on past `bytes`
};

// At most `most` bytes from the start of the file. Fails with FileNotFound when nothing
// stands at `path`, with NotARegularFile at once for a device, a FIFO or a socket, and with
// FileAccess when it cannot be read; the failure names the path.
FileStart readFileStart(const std::filesystem::path& path, std::size_t most);

// The whole file; fails as readFileStart does, and with FileTooLarge past `most` bytes.
std::string readWholeFile(const std::filesystem::path& path, std::size_t most);

}  // namespace fontedit::storage
