#pragma once

// A directory of its own under a parent directory, removed with everything in it at the end.
#include <filesystem>

namespace fontedit::bench {

class ScratchDir {
public:
    explicit ScratchDir(const std::filesystem::path& parent);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace fontedit::bench
