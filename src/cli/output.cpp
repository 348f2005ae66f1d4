#include "cli/output.h"

#include <iostream>

#include "cli/messages.h"
#include "storage/atomic_file.h"

namespace fontedit::cli {

void writeOutput(const std::string& target, std::string_view bytes) {
    if (target == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush()) throw InputError("cannot write to standard output");
        return;
    }
    storage::writeFileAtomically(target, bytes);
}

}  // namespace fontedit::cli
