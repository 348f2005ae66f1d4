// Arbitrary C source as an LVGL font, with options drawn from the input.
#include <cstddef>
#include <cstdint>

#include "cell_import_run.h"
#include "formats/libraries/lvgl.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The C tokenizer's causes, the X11 cell's and the library fonts' own.
    fontedit::fuzz::runX11Import(data, size, fontedit::formats::importLvgl,
                                 {{1100, 1199}, {1800, 1899}});
    return 0;
}
