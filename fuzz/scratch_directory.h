#pragma once

// A directory of the fuzzer's own for the files the actions read and write, removed with
// everything in it when the fuzzer ends.
#include <filesystem>
#include <string_view>

namespace fontedit::fuzz {

class ScratchDirectory {
public:
    ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    ~ScratchDirectory();

    const std::filesystem::path& path() const { return path_; }
    // Empties the directory, whatever stands in it.
    void clear() const;
    void put(const char* fileName, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

}  // namespace fontedit::fuzz
