#pragma once

// Writing files so that a failure never leaves one half-written: each file goes to a
// temporary file in its own directory, is flushed to disk and only then renamed over the
// old one. The new file keeps the old one's permission bits, a symbolic link is followed so
// that the link stays and its target gets the content, and a file the user may not write
// is not replaced. A failure removes the temporary files and names the file.
#include <filesystem>
#include <span>
#include <string_view>

namespace fontedit::storage {

struct FileContent {
    std::filesystem::path path;
    std::string_view bytes;
};

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Checks every target and writes and flushes every temporary file before renaming any, so
// that a failure leaves all the old files as they were, not a new one beside an old one.
void writeFilesAtomically(std::span<const FileContent> files);

}  // namespace fontedit::storage
