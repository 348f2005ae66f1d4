#include "formats/export_formats.h"

namespace fontedit::formats {

std::string exportBytes(ExportFormat format, const state::FontData& data,
                        const ExportSettings& settings) {
    return formatInfo(format).write(data, settings);
}

}  // namespace fontedit::formats
