#include "test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

namespace fontedit::files {

TempDir::TempDir() {
    std::random_device random;
    do {
        path_ = std::filesystem::temp_directory_path() /
                ("fontedit-files-" + std::to_string(getpid()) + "-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const std::string& subject) {
    try {
        action();
        ADD_FAILURE() << "no failure; expected one on " << subject;
    } catch (const state::Failure& failure) {
        EXPECT_EQ(failure.cause(), cause) << failure.what();
        EXPECT_EQ(failure.subject(), subject);
    }
}

}  // namespace fontedit::files
