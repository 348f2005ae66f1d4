#include "files/read_file.h"

#include <fstream>

#include "state/failure.h"

namespace fontedit::files {

std::string readWholeFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        throw state::Failure(state::Cause::FileNotFound, name);
    }
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    std::string bytes(error ? 0 : size, '\0');
    if (error || !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        throw state::Failure(state::Cause::FileAccess, name);
    }
    return bytes;
}

}  // namespace fontedit::files
