#pragma once

// One fuzz run of an import that places glyphs on the cell as X11 fonts are placed, BDF, PCF
// or PSF: options drawn from the input's first bytes, the rest as the font. The import gives a
// font the editor can save and read back, with notes that hold for it, or fails with one of
// the X11 imports' causes or one from `ownFirst` to `ownLast`.
#include <cstddef>
#include <cstdint>

#include "formats/font_import.h"

namespace fontedit::fuzz {

using X11Import = formats::ImportedFont (*)(std::string_view, const formats::ImportOptions&);

void runX11Import(const std::uint8_t* data, std::size_t size, X11Import import, int ownFirst = 0,
                  int ownLast = -1);

}  // namespace fontedit::fuzz
