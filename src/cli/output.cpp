#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/messages.h"
#include "storage/atomic_file.h"

namespace fontedit::cli {

void writeOutput(const std::string& target, std::string_view bytes) {
    if (target == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush() || std::fflush(stdout) != 0) {
            throw InputError(std::string("standard output: ") + std::strerror(errno));
        }
        return;
    }
    storage::writeFileAtomically(target, bytes, storage::NonRegular::WriteInto);
}

bool standardOutputWritten() {
    errno = 0;
    if (std::cout.flush() && std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    std::cerr << "fontedit-cli: standard output: "
              << (errno != 0 ? std::strerror(errno) : "write error") << '\n';
    return false;
}

}  // namespace fontedit::cli
