#include "storage/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "state/failure.h"

namespace fontedit::storage {
namespace {

using state::Cause;
using state::Failure;

class ReadableFile {
public:
    explicit ReadableFile(const std::filesystem::path& path) : path_(path) {
        // A FIFO would block the open until a writer comes, and a terminal would become
        // the controlling one; neither is a file to read.
        fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        if (fd_ < 0) fail(missing ? Cause::FileNotFound : Cause::FileAccess, errno);
        struct stat status {};
        if (fstat(fd_, &status) != 0) fail(Cause::FileAccess, errno);
        if (S_ISDIR(status.st_mode)) fail(Cause::FileAccess, EISDIR);
        if (!S_ISREG(status.st_mode)) fail(Cause::NotARegularFile, 0);
        size_ = static_cast<std::size_t>(status.st_size);
    }
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile() {
        if (fd_ >= 0) close(fd_);
    }

    // Reads one byte more than `most`, if there is one, to tell whether the file goes on.
    // Room for the file as its size says is made at once: grown by doubling, a font of
    // megabytes would be copied on the way and kept with twice the room it needs.
    FileStart read(std::size_t most) {
        std::string bytes(std::min(most + 1, std::max<std::size_t>(size_ + 1, 64 * 1024)), '\0');
        std::size_t done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (done > most) break;
                // The file grew since its size was taken.
                bytes.resize(std::min(most + 1, done * 2));
            }
            const ssize_t count = ::read(fd_, bytes.data() + done, bytes.size() - done);
            if (count < 0 && errno == EINTR) continue;
            if (count < 0) fail(Cause::FileAccess, errno);
            if (count == 0) break;
            done += static_cast<std::size_t>(count);
        }
        bytes.resize(std::min(done, most));
        return {std::move(bytes), done <= most};
    }

    [[noreturn]] void fail(Cause cause, int error) const {
        throw Failure(cause, {.file = path_.string(), .error = error});
    }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    std::size_t size_ = 0;
};

}  // namespace

FileStart readFileStart(const std::filesystem::path& path, std::size_t most) {
    return ReadableFile(path).read(most);
}

std::string readWholeFile(const std::filesystem::path& path, std::size_t most) {
    ReadableFile file(path);
    FileStart start = file.read(most);
    if (!start.whole) throw Failure(Cause::FileTooLarge, {.file = path.string()});
    return std::move(start.bytes);
}

}  // namespace fontedit::storage
