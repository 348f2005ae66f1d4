#include "formats/common/font_bytes.h"
#include "formats/font_import.h"
#include "formats/tables/glyph_table.h"

namespace fontedit::formats {

// The editor's own "bin" is known by its length; any other file's shape is named or guessed.
ImportedFont importBinary(std::string_view bytes, const ImportOptions& options) {
    GlyphTable table{.bytes = {bytes.begin(), bytes.end()}};
    if (bytes.size() == kBinaryFontBytes) table.declared = TableShape{};
    return importGlyphTable(table, options);
}

}  // namespace fontedit::formats
