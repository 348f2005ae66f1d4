#pragma once

// Writing files so that a failure never leaves one half-written: each file goes to a
// temporary file in its own directory, nameless where the file system allows it, is flushed
// to disk and only then put in the old one's place. The new file keeps the old one's permission
// bits and, where the process may set them, its owner and group. Symbolic links are followed as
// writeTarget() allows, so that a link stays and its target gets the content; a file the user may
// not write is not replaced. A file with several hard links is rewritten in place, so that all its
// names keep it, once a flushed copy of its old content stands beside it; the copy is removed when
// the new content is flushed. A failure removes the temporary files and names the file.
#include <sys/types.h>

#include <filesystem>
#include <span>
#include <string_view>

namespace fontedit::storage {

struct FileContent {
    std::filesystem::path path;
    std::string_view bytes;
};

// What stands in a file's place that is not a regular file, such as a device or a FIFO: a
// font's own files are refused with NotARegularFile; an output the user names, such as
// /dev/stdout, is written into as the shell writes into it, but a FIFO nothing reads fails
// with NoReader at once.
enum class NonRegular { Refuse, WriteInto };

// A symbolic link in a file's place: followed as writeTarget() allows, or, for a file of the
// program's own that is never a link, refused with LinkInPlace and left as it is.
enum class Links { Follow, Refuse };

// A new file gets `mode` as umask allows; one that stood there keeps its own.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         NonRegular nonRegular = NonRegular::Refuse, Links links = Links::Follow,
                         mode_t mode = 0666);

// Checks every target and writes and flushes every temporary file before renaming any, so
// that a failure leaves all the old files as they were, not a new one beside an old one.
void writeFilesAtomically(std::span<const FileContent> files,
                          NonRegular nonRegular = NonRegular::Refuse, Links links = Links::Follow,
                          mode_t mode = 0666);

}  // namespace fontedit::storage
