// Arbitrary bytes as a BDF font, with options drawn from the input.
#include <cstddef>
#include <cstdint>

#include "cell_import_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fontedit::state::Cause;
    static constexpr Cause kBdf[] = {Cause::NotBdf, Cause::BdfSyntax, Cause::BitmapRow,
                                     Cause::BdfNotClosed, Cause::BdfNotEnded};
    fontedit::fuzz::runX11Import(data, size, fontedit::formats::importBdf, {kBdf});
    return 0;
}
