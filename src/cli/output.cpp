#include "cli/output.h"

#include <iostream>

#include "state/failure.h"
#include "storage/atomic_file.h"

namespace fontedit::cli {

void writeOutput(const std::string& target, std::string_view bytes) {
    if (target == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush()) throw state::Failure(state::Cause::StandardOutputFailed, {});
        return;
    }
    storage::writeFileAtomically(target, bytes);
}

}  // namespace fontedit::cli
