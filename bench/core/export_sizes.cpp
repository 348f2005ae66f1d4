#include "bench/core/export_sizes.h"

#include <cstdio>
#include <filesystem>

#include "formats/libraries/u8g2.h"
#include "formats/libraries/u8x8.h"
#include "formats/own/font_files.h"
#include "support/scratch_directory.h"

namespace fontedit::bench {

state::FontData sampleFont() {
    const std::filesystem::path sample = FONTEDIT_SAMPLE_FONT_DIR;
    return formats::parseFontFiles(support::readBytes(sample / formats::kFontFileName),
                                   support::readBytes(sample / formats::kLabelFileName));
}

void reportExportSizes() {
    const state::FontData data = sampleFont();
    // u8g2's bytes end with the string's closing NUL; u8x8's are the array's but for it.
    std::printf("core-size-u8g2 fontedit %zu\n", formats::u8g2FontData(data, 32).size());
    std::printf("core-size-u8x8 fontedit %zu\n", formats::u8x8FontData(data, 32).size() + 1);
    std::fflush(stdout);
}

}  // namespace fontedit::bench
