#pragma once

// What the file tests share: a fresh directory of their own and a check of a failure's
// cause and subject.
#include <filesystem>
#include <functional>
#include <string>

#include "state/failure.h"

namespace fontedit::files {

// A new directory under the system's temporary directory, removed with all it holds.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const std::string& subject);

}  // namespace fontedit::files
