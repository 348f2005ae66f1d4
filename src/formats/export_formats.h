#pragma once

// The classic font written in each format the registry's rows write it in.
#include <string>

#include "formats/registry.h"
#include "state/font_data.h"

namespace fontedit::formats {

// The file's bytes. Fails with CellNotAByte on the first cell that is not a byte, except for
// the header, which carries the cells as they stand.
std::string exportBytes(ExportFormat format, const state::FontData& data,
                        const ExportSettings& settings);

}  // namespace fontedit::formats
