#include "bench/core/scratch_dir.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>

namespace fontedit::bench {

ScratchDir::ScratchDir(const std::filesystem::path& parent) {
    std::string pattern = (parent / "fontedit-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace fontedit::bench
