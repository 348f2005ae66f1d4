#include "formats/libraries/hd44780.h"

#include <numeric>

#include "formats/c/c_text.h"
#include "formats/common/font_bytes.h"
#include "formats/tables/c_source_export.h"

namespace fontedit::formats {

std::string hd44780Bytes(const state::FontData& data, std::string_view name,
                         std::vector<int> codes) {
    if (codes.empty()) {
        codes.resize(kCgramCharacters);
        std::iota(codes.begin(), codes.end(), 0);
    }
    const std::string symbol(name);
    std::string calls;
    for (std::size_t slot = 0; slot < codes.size() && slot < kCgramCharacters; ++slot) {
        calls += "     lcd.createChar(" + std::to_string(slot) + ", " + symbol + "_" +
                 std::to_string(codes[slot]) + ");\n";
    }
    const std::string more =
        codes.size() > kCgramCharacters
            ? "   The display holds eight custom characters at a time: the others replace these "
              "when\n   loaded into the same places.\n"
            : "";
    std::string source =
        std::string(kHd44780Opening) + codeList(codes) + std::string(kHd44780Listed) + "\n   " +
        layoutComment({.layout = state::GlyphLayout::Rows}) + ".\n   " +
        "Load them once, then lcd.write(byte(0)) shows the first:\n" + calls + more +
        "   Each glyph's code and label follow it. */\n#include <stdint.h>\n\n";
    // createChar takes the rows as uint8_t[], not const. Each file that includes the header
    // gets its own copy, unused ones without a warning, so that two files may include it.
    const std::string storage = symbol + "_GLYPH";
    source += "#if defined(__cplusplus) && __cplusplus >= 201703L\n#define " + storage +
              " inline\n#elif defined(__GNUC__)\n#define " + storage +
              " static __attribute__((unused))\n#else\n#define " + storage + " static\n#endif\n";
    for (const int code : codes) {
        const auto rows = rowBytes(glyphBytes(data, code), state::kGlyphColumns - 1);
        source += storage;
        source += " uint8_t " + symbol + "_" + std::to_string(code) + "[8] = {" +
                  byteList({rows.begin(), rows.end()}) + "}; " +
                  glyphComment(code, data.labels[code]) + "\n";
    }
    return source;
}

}  // namespace fontedit::formats
