#include "storage/read_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::storage {
namespace {

// A FIFO would block the reader until a writer came; it is refused at once, unread.
TEST(ReadFile, RefusesAFifoAtOnce) {
    support::ScratchDirectory dir;
    ASSERT_EQ(mkfifo((dir / "fntdat.txt").c_str(), 0600), 0);
    support::expectFailure([&] { readFileStart(dir / "fntdat.txt", 1024); },
                           state::Cause::NotARegularFile, {.file = "fntdat.txt"});
}

}  // namespace
}  // namespace fontedit::storage
