// Arbitrary bytes as a BDF font, with options drawn from the input.
#include <cstddef>
#include <cstdint>

#include "cell_import_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fontedit::fuzz::runX11Import(data, size, fontedit::formats::importBdf);
    return 0;
}
