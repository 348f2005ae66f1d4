#include "formats/libraries/max72xx.h"

#include <algorithm>

#include "formats/c/c_text.h"
#include "formats/common/font_bytes.h"

namespace fontedit::formats {

std::string max72xxBytes(const state::FontData& data, std::string_view name, int first) {
    const std::string symbol(name);
    std::string source =
        "/* A 5 x 8 font of 96 glyphs from fontedit for MD_MAX72XX and MD_Parola: setFont(" +
        symbol + ").\n   Characters " + std::to_string(first) + "-" +
        std::to_string(first + state::kSavedCodes - 1) +
        "; each glyph is its width, 5, and its column bytes, left first; bit 0 is\n   the top "
        "dot. Each glyph's code and label follow it. */\n" +
        progmemLines() +
        // The library's type in C++, where the sketch has included MD_MAX72xx.h; bytes in C.
        "#ifdef __cplusplus\n#define " + symbol +
        "_type MD_MAX72XX::fontType_t\n#else\n"
        "#include <stdint.h>\n#define " +
        symbol + "_type const uint8_t\n#endif\n\n" + symbol + "_type " + symbol +
        "[] PROGMEM = {\n    'F', 1, " + std::to_string(first) + ", " +
        std::to_string(first + state::kSavedCodes - 1) + ", " + std::to_string(state::kGlyphRows) +
        ",\n";
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const state::GlyphBytes columns = glyphBytes(data, code);
        std::vector<std::uint8_t> bytes(columns.size() + 1, columns.size());
        std::copy(columns.begin(), columns.end(), bytes.begin() + 1);
        source += "    " + byteList(bytes) + (code + 1 < state::kSavedCodes ? ", " : " ") +
                  glyphComment(code, data.labels[code]) + "\n";
    }
    return source + "};\n#undef " + symbol + "_type\n";
}

}  // namespace fontedit::formats
