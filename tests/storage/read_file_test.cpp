#include "storage/read_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "state/failure.h"
#include "support/scratch_directory.h"

namespace fontedit::storage {
namespace {

// A FIFO would block the reader until a writer came; it is refused at once, unread.
TEST(ReadFile, RefusesAFifoAtOnce) {
    support::ScratchDirectory dir;
    ASSERT_EQ(mkfifo((dir / "fntdat.txt").c_str(), 0600), 0);
    try {
        readFileStart(dir / "fntdat.txt", 1024);
        ADD_FAILURE() << "read";
    } catch (const state::Failure& failure) {
        EXPECT_EQ(failure.cause(), state::Cause::NotARegularFile);
        EXPECT_EQ(failure.facts().file, (dir / "fntdat.txt").string());
    }
}

}  // namespace
}  // namespace fontedit::storage
