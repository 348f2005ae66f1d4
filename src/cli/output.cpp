#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/english_output.h"
#include "state/failure.h"
#include "storage/atomic_file.h"

namespace fontedit::cli {
namespace {

constexpr const char* kStandardOutput = "standard output";

}  // namespace

void writeOutput(const std::string& target, std::string_view bytes) {
    if (target == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush() || std::fflush(stdout) != 0) {
            throw state::Failure(state::Cause::StandardOutputFailed,
                                 {.file = kStandardOutput, .error = errno});
        }
        return;
    }
    storage::writeFileAtomically(target, bytes, storage::NonRegular::WriteInto);
}

bool standardOutputWritten() {
    errno = 0;
    if (std::cout.flush() && std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    const state::Failure failure(state::Cause::StandardOutputFailed,
                                 {.file = kStandardOutput, .error = errno});
    std::cerr << "fontedit-cli: " << messages::englishMessage(failure) << '\n';
    return false;
}

}  // namespace fontedit::cli
