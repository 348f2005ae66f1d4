#include "files/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "state/failure.h"

namespace fontedit::files {
namespace {

using state::Cause;
using state::Failure;

std::string nameOf(const std::filesystem::path& path) {
    return path.filename().string();
}

// A file beside the target that no other writer uses; removed unless it was renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) : target_(target) {
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = target;
            path_.replace_filename("." + nameOf(target) + "." + std::to_string(getpid()) + "." +
                                   std::to_string(++counter) + ".tmp");
            fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) throw Failure(Cause::FileAccess, nameOf(target));
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) close(fd_);
        if (!renamed_) unlink(path_.c_str());
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throw Failure(Cause::WriteFailed, nameOf(target_));
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        const bool synced = fsync(fd_) == 0;
        const bool closed = close(fd_) == 0;
        fd_ = -1;
        if (!synced || !closed) throw Failure(Cause::WriteFailed, nameOf(target_));
    }

    void checkTarget() const {
        // rename() would refuse a directory only after earlier files were already renamed.
        std::error_code error;
        if (std::filesystem::is_directory(target_, error)) {
            throw Failure(Cause::FileAccess, nameOf(target_));
        }
    }

    void commit() {
        if (std::rename(path_.c_str(), target_.c_str()) != 0) {
            throw Failure(Cause::FileAccess, nameOf(target_));
        }
        renamed_ = true;
    }

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    int fd_ = -1;
    bool renamed_ = false;
};

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const FileContent file{path, bytes};
    writeFilesAtomically({&file, 1});
}

void writeFilesAtomically(std::span<const FileContent> files) {
    std::vector<std::unique_ptr<TemporaryFile>> temporaries;
    for (const FileContent& file : files) {
        temporaries.push_back(std::make_unique<TemporaryFile>(file.path));
        temporaries.back()->write(file.bytes);
    }
    for (const auto& temporary : temporaries) temporary->checkTarget();
    for (const auto& temporary : temporaries) temporary->commit();
}

}  // namespace fontedit::files
