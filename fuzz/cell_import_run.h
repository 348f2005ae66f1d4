#pragma once

// One fuzz run of an import that places glyphs on the cell as X11 fonts are placed, BDF, PCF
// or PSF: options drawn from the input's first bytes, the rest as the font. The import gives a
// font the editor can save and read back, with notes that hold for it, or fails with one of
// the causes of placing glyphs on the cell or one of the reader's own `causes`.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "formats/font_import.h"

namespace fontedit::fuzz {

// What holds for a font placed on the 5x8 cell as BDF, PCF and TrueType place their glyphs:
// the notes name only codes taken, and a missing glyph is empty.
void checkCellFont(const formats::ImportedFont& font, const formats::ImportOptions& options);

using X11Import = formats::ImportedFont (*)(std::string_view, const formats::ImportOptions&);

void runX11Import(const std::uint8_t* data, std::size_t size, X11Import import,
                  std::initializer_list<std::span<const state::Cause>> causes);

}  // namespace fontedit::fuzz
