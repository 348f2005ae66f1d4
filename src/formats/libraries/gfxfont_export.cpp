#include "formats/libraries/gfxfont.h"

#include <cstdio>
#include <vector>

#include "formats/c/c_text.h"
#include "formats/common/bitmap_cell.h"

namespace fontedit::formats {
namespace {

std::string hexCode(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code));
    return text;
}

}  // namespace

std::string gfxfontBytes(const state::FontData& data, std::string_view name, int first) {
    const std::string symbol(name);
    const int last = first + state::kSavedCodes - 1;
    std::string bitmaps, glyphs;
    std::size_t offset = 0;
    const state::BitmapFont font = classicBitmapFont(data, first);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const state::BitmapGlyph& glyph = font.glyphs[static_cast<std::size_t>(code)];
        const TrimmedBox box = trimmedBox(glyph);
        const std::vector<std::uint8_t> bytes = msbFirstBits(glyph, box);
        const std::string comment = " " + glyphComment(code, data.labels[code]) + "\n";
        if (!bytes.empty()) bitmaps += "    " + byteList(bytes) + "," + comment;
        const int xOffset = box.empty() ? 0 : box.left;
        const int yOffset = box.empty() ? 0 : box.top - kGfxBaselineRow;
        glyphs += "    {" + std::to_string(offset) + ", " + std::to_string(box.width) + ", " +
                  std::to_string(box.height) + ", " + std::to_string(kGfxAdvance) + ", " +
                  std::to_string(xOffset) + ", " + std::to_string(yOffset) + "}" +
                  (code + 1 < state::kSavedCodes ? "," : "") + comment;
        offset += bytes.size();
    }
    // C allows no empty list; a blank font keeps one byte that no glyph reads.
    if (offset == 0) bitmaps = "    0x00\n";
    return std::string(kGfxOpening) + "characters " + hexCode(first) + "-" + hexCode(last) +
           ",\n   for Adafruit GFX and TFT_eSPI: setFont(&" + symbol +
           "). The cell's row 6 stands on the\n   cursor's line; each glyph advances " +
           std::to_string(kGfxAdvance) + " dots. Each glyph's code and label follow it. */\n" +
           progmemLines() + "\nconst uint8_t " + symbol + "Bitmaps[] PROGMEM = {\n" + bitmaps +
           "};\n\n/* {bitmapOffset, width, height, xAdvance, xOffset, yOffset} */\nconst "
           "GFXglyph " +
           symbol + "Glyphs[] PROGMEM = {\n" + glyphs + "};\n\nconst GFXfont " + symbol +
           " PROGMEM = {(uint8_t *)" + symbol + "Bitmaps, (GFXglyph *)" + symbol + "Glyphs, " +
           hexCode(first) + ", " + hexCode(last) + ", " + std::to_string(kGfxLineAdvance) + "};\n";
}

}  // namespace fontedit::formats
