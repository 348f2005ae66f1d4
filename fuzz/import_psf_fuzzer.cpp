// Arbitrary bytes as a PSF console font, with options drawn from the input.
#include <cstddef>
#include <cstdint>

#include "cell_import_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fontedit::state::Cause;
    static constexpr Cause kPsf[] = {Cause::NotPsf, Cause::PsfMalformed};
    fontedit::fuzz::runX11Import(data, size, fontedit::formats::importPsf, {kPsf});
    return 0;
}
