#include "cli/glyph_art.h"

#include "state/conversions.h"

namespace fontedit::cli {

std::string glyphRow(const GlyphColumns& columns, int row) {
    std::string art;
    for (const std::string& column : columns) {
        art.push_back(state::bitTest(row, state::columnValue(column)) ? '#' : '.');
    }
    return art;
}

}  // namespace fontedit::cli
