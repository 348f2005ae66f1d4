// Arbitrary bytes as a PSF console font, with options drawn from the input.
#include <cstddef>
#include <cstdint>

#include "cell_import_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Its own causes: NotPsf and PsfMalformed.
    fontedit::fuzz::runX11Import(data, size, fontedit::formats::importPsf, {{1800, 1899}});
    return 0;
}
