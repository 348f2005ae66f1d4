#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "storage/private_folder.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::storage {
namespace {

using support::expectFailure;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

namespace fs = std::filesystem;

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

TEST(ReplaceFile, KeepsWhatStoodInItsPlace) {
    struct Case {
        const char* what;
        mode_t oldMode;  // 0: no old file
        mode_t umask;
        mode_t newMode;
    };
    const Case cases[] = {
        {"private file", 0600, 022, 0600},
        {"group-writable file", 0664, 077, 0664},
        {"new file, umask 022", 0, 022, 0644},
        {"new file, umask 077", 0, 077, 0600},
    };
    for (const Case& c : cases) {
        ScratchDirectory dir;
        if (c.oldMode != 0) {
            writeBytes(dir / "font.h", "old");
            fs::permissions(dir / "font.h", static_cast<fs::perms>(c.oldMode));
        }
        const mode_t saved = umask(c.umask);
        writeFileAtomically(dir / "font.h", "new");
        umask(saved);
        EXPECT_EQ(readBytes(dir / "font.h"), "new") << c.what;
        EXPECT_EQ(modeOf(dir / "font.h"), c.newMode) << c.what;
    }
}

TEST(ReplaceFile, WritesThroughASymbolicLink) {
    ScratchDirectory dir;
    fs::create_directory(dir / "fonts");
    writeBytes(dir / "fonts" / "real.txt", "old");
    fs::create_symlink("fonts/real.txt", dir / "link.txt");
    fs::create_symlink("link.txt", dir / "link-to-link.txt");
    writeFileAtomically(dir / "link-to-link.txt", "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(dir / "link-to-link.txt"));
    EXPECT_EQ(readBytes(dir / "fonts" / "real.txt"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "fonts"), {}), 1);
}

// A read-only file is refused before anything is written. Root may write any file, so as
// root the save runs as an unprivileged user in a child process.
TEST(ReplaceFile, LeavesAReadOnlyFileAndItsNeighboursAlone) {
    ScratchDirectory dir;
    writeBytes(dir / "fntdat.txt", "old font");
    writeBytes(dir / "mojidat.txt", "old labels");
    fs::permissions(dir / "mojidat.txt", fs::perms::owner_read | fs::perms::group_read);
    const std::array<FileContent, 2> files{FileContent{dir / "fntdat.txt", "new font"},
                                           FileContent{dir / "mojidat.txt", "new labels"}};
    auto save = [&] {
        try {
            writeFilesAtomically(files);
            return 0;
        } catch (const state::Failure& failure) {
            return failure.number();
        }
    };
    int number = 0;
    if (geteuid() != 0) {
        number = save();
    } else {
        constexpr uid_t kNobody = 65534;
        ASSERT_EQ(chown(dir.path().c_str(), kNobody, kNobody), 0);
        for (const char* name : {"fntdat.txt", "mojidat.txt"}) {
            ASSERT_EQ(chown((dir / name).c_str(), kNobody, kNobody), 0);
        }
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = setgid(kNobody) == 0 && setuid(kNobody) == 0;
            _exit(dropped ? save() % 256 : 255);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        number = WEXITSTATUS(status);
    }
    EXPECT_EQ(number, static_cast<int>(state::Cause::PermissionDenied));
    EXPECT_EQ(readBytes(dir / "fntdat.txt"), "old font");
    EXPECT_EQ(readBytes(dir / "mojidat.txt"), "old labels");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

uid_t ownerOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
    return status.st_uid;
}

int causeOf(const std::function<void()>& write) {
    try {
        write();
        return 0;
    } catch (const state::Failure& failure) {
        return failure.number();
    }
}

// A device in the font's place is refused; an output the user names is written into, and
// stays the device it was.
TEST(ReplaceFile, WritesIntoADeviceOnlyWhenAsked) {
    if (geteuid() != 0) GTEST_SKIP() << "mknod needs root";
    ScratchDirectory dir;
    ASSERT_EQ(mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    EXPECT_EQ(causeOf([&] { writeFileAtomically(dir / "null", "new"); }),
              static_cast<int>(state::Cause::NotARegularFile));
    writeFileAtomically(dir / "null", "new", NonRegular::WriteInto);
    EXPECT_TRUE(fs::is_character_file(dir / "null"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

// Anywhere on the path, not only in the file's own place.
TEST(ReplaceFile, FollowsOnlyLinksTheKernelsProtectionWouldFollow) {
    if (geteuid() != 0) GTEST_SKIP() << "planting another user's link needs root";
    constexpr uid_t kNobody = 65534;
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t linkOwner;
        const char* link;     // in shared/
        const char* target;   // of the link, from the scratch folder
        const char* written;  // from shared/
        int cause;
    };
    const auto unsafe = static_cast<int>(state::Cause::UnsafeLink);
    const Case cases[] = {
        {"another's link in a sticky shared folder", 01777, kNobody, "font.h", "home/precious.txt",
         "font.h", unsafe},
        {"the folder owner's link there", 01777, 0, "font.h", "home/precious.txt", "font.h", 0},
        {"another's link in a folder only its owner writes", 0755, kNobody, "font.h",
         "home/precious.txt", "font.h", 0},
        {"another's link to a folder in the middle of the path", 01777, kNobody, "build", "home",
         "build/precious.txt", unsafe},
        {"another's link on the way, reached through a link", 01777, kNobody, "build", "home",
         "again/precious.txt", unsafe},
        {"the folder owner's link in the middle of the path", 01777, 0, "build", "home",
         "build/precious.txt", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDirectory dir;
        fs::create_directory(dir / "home");
        writeBytes(dir / "home" / "precious.txt", "old");
        fs::create_directory(dir / "shared");
        fs::permissions(dir / "shared", static_cast<fs::perms>(c.folderMode));
        fs::create_symlink(dir / c.target, dir / "shared" / c.link);
        fs::create_symlink("build", dir / "shared" / "again");
        ASSERT_EQ(lchown((dir / "shared" / c.link).c_str(), c.linkOwner, c.linkOwner), 0);
        EXPECT_EQ(causeOf([&] { writeFileAtomically(dir / "shared" / c.written, "new"); }),
                  c.cause);
        EXPECT_EQ(readBytes(dir / "home" / "precious.txt"), c.cause == 0 ? "new" : "old");
    }
}

// Another's FIFO or file in a shared folder is left alone, and a FIFO nobody reads is refused
// at once rather than waited on.
TEST(ReplaceFile, WritesNoOtherUsersFileInASharedFolderNorAFifoNobodyReads) {
    constexpr uid_t kNobody = 65534;
    struct Case {
        const char* what;
        bool fifo;
        mode_t folderMode;
        uid_t owner;
        int cause;
    };
    const auto unsafe = static_cast<int>(state::Cause::UnsafeFile);
    const Case cases[] = {
        {"another's FIFO in a sticky shared folder", true, 01777, kNobody, unsafe},
        {"another's file there", false, 01777, kNobody, unsafe},
        {"another's file in a folder only its owner writes", false, 0755, kNobody, 0},
        {"one's own FIFO that nobody reads", true, 0755, geteuid(),
         static_cast<int>(state::Cause::NoReader)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.owner != geteuid() && geteuid() != 0) continue;
        ScratchDirectory dir;
        fs::create_directory(dir / "shared");
        fs::permissions(dir / "shared", static_cast<fs::perms>(c.folderMode));
        const fs::path file = dir / "shared" / "out";
        if (c.fifo) {
            ASSERT_EQ(mkfifo(file.c_str(), 0666), 0);
        } else {
            writeBytes(file, "theirs");
        }
        ASSERT_EQ(lchown(file.c_str(), c.owner, c.owner), 0);
        EXPECT_EQ(causeOf([&] { writeFileAtomically(file, "new", NonRegular::WriteInto); }),
                  c.cause);
        if (!c.fifo) {
            EXPECT_EQ(readBytes(file), c.cause == 0 ? "new" : "theirs");
        }
    }
}

// A writer killed while it writes a new file leaves no name behind: the file has none until
// it is whole.
TEST(ReplaceFile, AWriterKilledMidWriteLeavesNoName) {
    ScratchDirectory dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string bytes(256 << 20, 'x');
        (void)!write(ready[1], "r", 1);
        writeFileAtomically(dir / "font.h", bytes);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    usleep(20'000);
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    close(ready[0]);
    close(ready[1]);
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename(), "font.h");
    }
}

// A writer killed before its rename leaves a temporary file; the next write of the same file
// removes it, but not one of a writer still running or of another user.
TEST(ReplaceFile, RemovesTheTemporaryFilesOfAKilledWriter) {
    ScratchDirectory dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    const std::string killed = ".font.h." + std::to_string(child) + ".Ab3dE9";
    const std::string running = ".font.h." + std::to_string(getpid()) + ".Ab3dE9";
    const std::string other = ".font.h." + std::to_string(child) + ".Zz9yX8";
    for (const std::string& name : {killed, running, other}) writeBytes(dir / name, "half");
    if (geteuid() == 0) {
        ASSERT_EQ(chown((dir / other).c_str(), 65534, 65534), 0);
    }
    writeFileAtomically(dir / "font.h", "new");
    EXPECT_FALSE(fs::exists(dir / killed));
    EXPECT_TRUE(fs::exists(dir / running));
    EXPECT_EQ(fs::exists(dir / other), geteuid() == 0);
    EXPECT_EQ(readBytes(dir / "font.h"), "new");
}

TEST(ReplaceFile, RefusesALinkToNothing) {
    ScratchDirectory dir;
    fs::create_symlink("missing.txt", dir / "font.h");
    EXPECT_EQ(causeOf([&] { writeFileAtomically(dir / "font.h", "new"); }),
              static_cast<int>(state::Cause::LinkTargetMissing));
    EXPECT_FALSE(fs::exists(dir / "missing.txt"));
}

// A file of the program's own, such as the recovery file, is never a link: one planted in its
// place, even to nothing, is refused and its target left alone.
TEST(ReplaceFile, RefusesAnyLinkWhereLinksAreRefused) {
    ScratchDirectory dir;
    writeBytes(dir / "victim", "old");
    for (const char* target : {"victim", "missing"}) {
        fs::remove(dir / "own");
        fs::create_symlink(target, dir / "own");
        EXPECT_EQ(causeOf([&] {
                      writeFileAtomically(dir / "own", "new", NonRegular::Refuse, Links::Refuse);
                  }),
                  static_cast<int>(state::Cause::LinkInPlace))
            << target;
        EXPECT_TRUE(fs::is_symlink(dir / "own"));
    }
    EXPECT_EQ(readBytes(dir / "victim"), "old");
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

// The folder of the program's own files: made private, or used only when nobody else owns or
// may write to it.
TEST(PrivateFolder, IsMadePrivateOrRefusedWhenOthersMayWriteToIt) {
    ScratchDirectory dir;
    const mode_t saved = umask(0);
    makePrivateFolder(dir / "a" / "b");
    umask(saved);
    EXPECT_EQ(modeOf(dir / "a"), 0700u);
    EXPECT_EQ(modeOf(dir / "a" / "b"), 0700u);
    makePrivateFolder(dir / "a" / "b");  // as it is, once made
    // One's own folder that others may read or write is made private again.
    for (const mode_t mode : {0777, 0720, 0702, 0755}) {
        fs::permissions(dir / "a" / "b", static_cast<fs::perms>(mode));
        makePrivateFolder(dir / "a" / "b");
        EXPECT_EQ(modeOf(dir / "a" / "b"), 0700u) << std::oct << mode;
    }
    if (geteuid() == 0) {
        fs::create_directory(dir / "theirs", dir / "a");
        ASSERT_EQ(chown((dir / "theirs").c_str(), 1, 1), 0);
        fs::permissions(dir / "theirs", static_cast<fs::perms>(0700));
        EXPECT_EQ(causeOf([&] { makePrivateFolder(dir / "theirs"); }),
                  static_cast<int>(state::Cause::FolderNotPrivate));
        // Reached through another's link in a shared folder, it could be swapped for theirs.
        fs::create_directory(dir / "shared");
        fs::permissions(dir / "shared", static_cast<fs::perms>(01777));
        fs::create_symlink(dir / "a", dir / "shared" / "state");
        ASSERT_EQ(lchown((dir / "shared" / "state").c_str(), 1, 1), 0);
        EXPECT_EQ(causeOf([&] { makePrivateFolder(dir / "shared" / "state" / "b"); }),
                  static_cast<int>(state::Cause::UnsafeLink));
    }
}

// Root saving into a user's folder leaves the user's files the user's, and every hard link
// of a file keeps its content.
TEST(ReplaceFile, KeepsOwnerGroupAndHardLinks) {
    ScratchDirectory dir;
    writeBytes(dir / "fntdat.txt", "old");
    fs::create_hard_link(dir / "fntdat.txt", dir / "backup.txt");
    constexpr uid_t kNobody = 65534;
    const uid_t owner = geteuid() == 0 ? kNobody : geteuid();
    if (geteuid() == 0) {
        ASSERT_EQ(chown((dir / "fntdat.txt").c_str(), kNobody, kNobody), 0);
    }
    writeFileAtomically(dir / "fntdat.txt", "new");
    EXPECT_EQ(readBytes(dir / "backup.txt"), "new");
    EXPECT_EQ(fs::hard_link_count(dir / "fntdat.txt"), 2u);
    EXPECT_EQ(ownerOf(dir / "fntdat.txt"), owner);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
    writeBytes(dir / "labels.txt", "old");
    if (geteuid() == 0) {
        ASSERT_EQ(chown((dir / "labels.txt").c_str(), kNobody, kNobody), 0);
    }
    writeFileAtomically(dir / "labels.txt", "new");
    EXPECT_EQ(ownerOf(dir / "labels.txt"), owner);
}

}  // namespace
}  // namespace fontedit::storage
