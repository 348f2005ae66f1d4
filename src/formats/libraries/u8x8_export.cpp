#include "formats/libraries/u8x8_export.h"

#include "formats/common/font_bytes.h"
#include "formats/marks.h"
#include "formats/tables/c_source_export.h"
#include "state/failure.h"

namespace fontedit::formats {

std::string u8x8FontData(const state::FontData& data, int first) {
    if (first > kLastU8x8First) {
        throw state::Failure(state::Cause::CharacterPastFormat,
                             {.code = first + state::kSavedCodes - 1, .value = "255"});
    }
    std::string font = {static_cast<char>(first), static_cast<char>(first + state::kSavedCodes - 1),
                        1, 1};
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (const std::uint8_t column : glyphBytes(data, code)) font += static_cast<char>(column);
        font += std::string(8 - state::kGlyphColumns, '\0');
    }
    return font;
}

std::string u8x8Source(const state::FontData& data, const std::string& name, int first) {
    return cFontString("A 5 x 8 font of 96 glyphs from fontedit as a u8x8 tile font, characters " +
                           std::to_string(first) + "-" +
                           std::to_string(first + state::kSavedCodes - 1) + ".\n   u8x8.setFont(" +
                           name + ") selects it.",
                       kU8x8Section, name, u8x8FontData(data, first));
}

}  // namespace fontedit::formats
