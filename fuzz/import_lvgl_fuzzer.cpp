// Arbitrary C source as an LVGL font, with options drawn from the input.
#include <cstddef>
#include <cstdint>

#include "cell_import_run.h"
#include "formats/libraries/lvgl.h"
#include "reader_causes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fontedit::state::Cause;
    static constexpr Cause kLvgl[] = {Cause::ArrayNotFound, Cause::ConditionalInList,
                                      Cause::LibraryFontDamaged, Cause::PixelDepth};
    fontedit::fuzz::runX11Import(data, size, fontedit::formats::importLvgl,
                                 {fontedit::fuzz::kCSourceCauses, kLvgl});
    return 0;
}
