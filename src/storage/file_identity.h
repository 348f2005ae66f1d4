#pragma once

// Which file stands at a path, as the file system tells it apart from another: the same
// device, inode, size and modification time mean the same, unchanged file.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace fontedit::storage {

struct FileIdentity {
    std::uint64_t device;
    std::uint64_t inode;
    std::int64_t size;
    std::int64_t modifiedSeconds;
    std::int64_t modifiedNanoseconds;
    bool operator==(const FileIdentity&) const = default;
};

// The file at `path`, following links; nothing when nothing stands there.
std::optional<FileIdentity> identityOf(const std::filesystem::path& path);

}  // namespace fontedit::storage
