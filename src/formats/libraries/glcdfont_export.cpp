#include "formats/libraries/glcdfont.h"

#include "formats/c/c_text.h"
#include "formats/common/font_bytes.h"
#include "formats/tables/c_source_export.h"

namespace fontedit::formats {

std::string glcdfontBytes(const state::FontData& data, int first) {
    // The library's own file is included by Adafruit_GFX.cpp and declares `font` static under
    // this guard, so that the replacement is taken in the same way.
    std::string source =
        "/* The classic font of Adafruit GFX from fontedit, 5 x 8: " + std::string(kGlcdPlacement) +
        std::to_string(first) + "-" + std::to_string(first + state::kSavedCodes - 1) +
        ",\n   the others are blank; " + layoutComment({}) +
        ". */\n#ifndef FONT5X7_H\n#define FONT5X7_H\n\n" + progmemLines() +
        "\nstatic const unsigned char font[] PROGMEM = {\n";
    for (int character = 0; character < kGlcdCharacters; ++character) {
        const int code = character - first;
        const bool ours = code >= 0 && code < state::kSavedCodes;
        const state::GlyphBytes columns = ours ? glyphBytes(data, code) : state::GlyphBytes{};
        source += "    " + byteList({columns.begin(), columns.end()}) +
                  (character + 1 < kGlcdCharacters ? "," : "");
        source += ours ? " " + glyphComment(code, data.labels[code]) + "\n" : "\n";
    }
    return source + "};\n\n#endif\n";
}

}  // namespace fontedit::formats
