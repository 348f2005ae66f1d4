#pragma once

// A table of glyph bytes, from a C array or a binary file, read in the shape the user names,
// the file declares or, failing both, the one reading that clearly looks like a font.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "formats/font_import.h"

namespace fontedit::formats {

struct GlyphTable {
    std::vector<std::uint8_t> bytes{};
    // Zeros after `bytes`, as C fills out a declared array: counted, never held.
    std::size_t zeros = 0;
    int line = 0;                        // where the table is declared, for failures
    std::optional<std::size_t> width{};  // a 2-D array's declared row length
    std::optional<TableShape> declared{};

    std::size_t size() const { return bytes.size() + zeros; }
    std::uint8_t at(std::size_t index) const { return index < bytes.size() ? bytes[index] : 0; }
};

// Whether a table of `size` bytes holds whole glyphs of a stride this program guesses from
// `offset` on, at least `fewest`.
bool holdsGlyphs(std::size_t size, std::size_t offset, std::size_t fewest);

// The 96 glyphs from options.offset on. Notes say which shape was guessed and how many
// glyphs were filled; failures name `line`.
ImportedFont importGlyphTable(const GlyphTable& table, const ImportOptions& options);

}  // namespace fontedit::formats
