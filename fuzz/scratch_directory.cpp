#include "scratch_directory.h"

#include <stdlib.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

namespace fontedit::fuzz {

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fontedit-fuzz-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), pattern);
    }
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchDirectory::clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        std::filesystem::remove_all(entry.path());
    }
}

void ScratchDirectory::put(const char* fileName, std::string_view bytes) const {
    std::filesystem::remove_all(path_ / fileName);
    std::ofstream(path_ / fileName, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fontedit::fuzz
