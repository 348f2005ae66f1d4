#include "cli/output.h"

#include <filesystem>
#include <iostream>

#include "cli/messages.h"
#include "files/atomic_file.h"

namespace fontedit::cli {

void writeOutput(const std::string& target, std::string_view bytes) {
    if (target == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush()) throw InputError("cannot write to standard output");
        return;
    }
    const std::filesystem::path path(target);
    inDirectory(path.parent_path(), [&] { files::writeFileAtomically(path, bytes); });
}

}  // namespace fontedit::cli
