#include <algorithm>
#include <cstdint>

#include "formats/c/c_text.h"
#include "formats/common/bitmap_cell.h"
#include "formats/libraries/gfxfont.h"
#include "state/failure.h"

namespace fontedit::formats {

std::string gfxfontBitmapExport(const state::BitmapFont& font,
                                const GfxfontBitmapOptions& options) {
    checkLimits(font, kGfxLimits);
    if (font.glyphs.empty()) throw state::Failure(state::Cause::NoGlyphForCharacter, {});
    const std::string& symbol = options.name;
    const char32_t first = font.glyphs.front().character, last = font.glyphs.back().character;
    std::string bitmaps, glyphs;
    std::size_t offset = 0;
    auto next = font.glyphs.begin();
    for (char32_t character = first; character <= last; ++character) {
        const std::string end = character < last ? "," : "";
        if (next->character != character) {
            // A gap in the range: a glyph of no dots that does not advance.
            glyphs += "    {" + std::to_string(offset) + ", 0, 0, 0, 0, 0}" + end + " /* " +
                      codePointText(character) + " */\n";
            continue;
        }
        const state::BitmapGlyph& glyph = *next++;
        const TrimmedBox box = trimmedBox(glyph);
        const std::vector<std::uint8_t> bytes = msbFirstBits(glyph, box);
        const std::string comment = " " + bitmapGlyphComment(glyph) + "\n";
        if (!bytes.empty()) bitmaps += "    " + byteList(bytes) + "," + comment;
        const int xOffset = box.empty() ? 0 : glyph.left + box.left;
        checkField(glyph, "xAdvance", glyph.advance, 0, UINT8_MAX);
        checkField(glyph, "xOffset", xOffset, INT8_MIN, INT8_MAX);
        // The cursor's line is the row resting on the baseline, as fontconvert places it.
        const int yOffset = box.empty() ? 0 : 1 - (box.bottom(glyph) + box.height);
        checkField(glyph, "yOffset", yOffset, INT8_MIN, INT8_MAX);
        glyphs += "    {" + std::to_string(offset) + ", " + std::to_string(box.width) + ", " +
                  std::to_string(box.height) + ", " + std::to_string(glyph.advance) + ", " +
                  std::to_string(xOffset) + ", " + std::to_string(yOffset) + "}";
        glyphs.append(end).append(comment);
        offset += bytes.size();
    }
    // C allows no empty list; a blank font keeps one byte that no glyph reads.
    if (offset == 0) bitmaps = "    0x00\n";
    return "/* " + fontSummary(font) + " from fontedit, " + characterSummary(font) +
           ",\n   for Adafruit GFX and TFT_eSPI: setFont(&" + symbol +
           "). Each glyph advances its own xAdvance, a line " + std::to_string(font.lineHeight()) +
           " dots.\n   Each glyph's character and name follow it. */\n" + progmemLines() +
           "\nconst uint8_t " + symbol + "Bitmaps[] PROGMEM = {\n" + bitmaps +
           "};\n\n/* {bitmapOffset, width, height, xAdvance, xOffset, yOffset} */\nconst "
           "GFXglyph " +
           symbol + "Glyphs[] PROGMEM = {\n" + glyphs + "};\n\nconst GFXfont " + symbol +
           " PROGMEM = {(uint8_t *)" + symbol + "Bitmaps, (GFXglyph *)" + symbol + "Glyphs, " +
           std::to_string(first) + ", " + std::to_string(last) + ", " +
           std::to_string(font.lineHeight()) + "};\n";
}

}  // namespace fontedit::formats
