#include "formats/three_fonts.h"

#include <random>
#include <string>

#include "formats/common/imported_glyphs.h"
#include "formats/font_import.h"
#include "formats/own/font_files.h"
#include "state/conversions.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using support::readBytes;

}  // namespace

const std::vector<NamedFont>& threeFonts() {
    static const std::vector<NamedFont> fonts = [] {
        const std::string sample = SAMPLE_FONT_DIR;
        state::FontData random;
        std::mt19937 bytes(23);
        for (int code = 0; code < state::kSavedCodes; ++code) {
            for (auto& cell : random.cells[code])
                cell = byteCell(static_cast<std::uint8_t>(bytes()));
            random.labels[code] = code % 2 ? "*/ \x1B\"" : "/* \\";
        }
        const std::string pcf = gunzip(readBytes("/usr/share/fonts/X11/misc/5x8.pcf.gz"));
        return std::vector<NamedFont>{
            {"sample", parseFontFiles(readBytes(sample + "/" + kFontFileName),
                                      readBytes(sample + "/" + kLabelFileName))},
            {"random", random},
            {"debian5x8", importPcf(pcf, {}).data}};
    }();
    return fonts;
}

}  // namespace fontedit::formats
