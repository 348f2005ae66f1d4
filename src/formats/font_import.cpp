#include "formats/font_import.h"

#include "state/failure.h"

namespace fontedit::formats {

void requireImportSize(std::size_t bytes) {
    if (bytes > kMostImportBytes) throw state::Failure(state::Cause::FileTooLarge, {});
}

ImportedFont importFont(ImportFormat format, std::string_view bytes, const ImportOptions& options) {
    switch (format) {
        case ImportFormat::Bdf:
            return importBdf(bytes, options);
        case ImportFormat::Pcf:
            return importPcf(bytes, options);
        case ImportFormat::Bin:
            return importBinary(bytes, options);
        case ImportFormat::Png:
            return importPng(bytes, options);
        case ImportFormat::TrueType:
            return importTrueType(bytes, options);
        case ImportFormat::U8g2:
            return importU8g2(bytes, options);
        case ImportFormat::U8x8:
            return importU8x8(bytes, options);
        case ImportFormat::Lvgl:
            return importLvgl(bytes, options);
        case ImportFormat::GfxFont:
            return importGfxFont(bytes, options);
        case ImportFormat::Psf:
            return importPsf(bytes, options);
        case ImportFormat::C:
            break;
    }
    return importCTable(bytes, options);
}

}  // namespace fontedit::formats
