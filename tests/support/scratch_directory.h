#pragma once

// A directory of its own for tests, fuzzers and benchmarks that read and write real files,
// removed with everything in it at the end; whole-file reads and writes, and texts of many
// lines.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::support {

class ScratchDirectory {
public:
    explicit ScratchDirectory(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    ~ScratchDirectory();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Empties the directory, whatever stands in it.
    void clear() const;
    // Writes a file of the directory, replacing whatever stands under that name.
    void put(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& path);
// A text's lines without their line ends, as a file's are compared line by line.
std::vector<std::string> linesOf(const std::string& text);
// `text` over and over, `times` in all: a file of many alike lines.
std::string repeated(std::string_view text, std::size_t times);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace fontedit::support
