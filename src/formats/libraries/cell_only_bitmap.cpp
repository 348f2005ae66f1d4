#include "formats/c/c_text.h"
#include "formats/common/bitmap_cell.h"
#include "formats/libraries/glcdfont.h"
#include "formats/libraries/hd44780.h"

namespace fontedit::formats {
namespace {

// The glyph's five column bytes, bit 0 its top dot, on the 5 x 8 cell whose row 6 stands on
// the baseline, as both formats draw it.
std::vector<std::uint8_t> classicColumns(const state::BitmapGlyph& glyph) {
    const FontCell cell{
        .left = 0, .bottom = -1, .width = state::kGlyphColumns, .height = state::kGlyphRows};
    std::vector<std::uint8_t> columns(state::kGlyphColumns, 0);
    for (int x = 0; x < cell.width; ++x) {
        for (int y = 0; y < cell.height; ++y) {
            if (cellDot(cell, glyph, x, y))
                columns[x] = static_cast<std::uint8_t>(columns[x] | 1 << y);
        }
    }
    return columns;
}

}  // namespace

std::string hd44780BitmapExport(const state::BitmapFont& font,
                                const Hd44780BitmapOptions& options) {
    checkLimits(font, kHd44780Limits);
    const std::string& symbol = options.name;
    std::string calls, glyphs;
    for (std::size_t slot = 0; slot < font.glyphs.size(); ++slot) {
        const state::BitmapGlyph& glyph = font.glyphs[slot];
        const std::string array = symbol + "_" + std::to_string(slot);
        if (slot < kCgramCharacters) {
            calls += "     lcd.createChar(" + std::to_string(slot) + ", " + array + ");\n";
        }
        const std::vector<std::uint8_t> columns = classicColumns(glyph);
        std::vector<std::uint8_t> rows(state::kGlyphRows, 0);
        for (int y = 0; y < state::kGlyphRows; ++y) {
            for (int x = 0; x < state::kGlyphColumns; ++x) {
                if (columns[x] >> y & 1) rows[y] = static_cast<std::uint8_t>(rows[y] | 0x10 >> x);
            }
        }
        glyphs += "uint8_t " + array + "[8] = {" + byteList(rows) + "}; " +
                  bitmapGlyphComment(glyph) + "\n";
    }
    const std::string more =
        font.glyphs.size() > kCgramCharacters
            ? "   The display holds eight custom characters at a time: the others replace these "
              "when\n   loaded into the same places.\n"
            : "";
    return "/* " + fontSummary(font) + " from fontedit, " + characterSummary(font) +
           ",\n   as a character LCD's custom characters, one byte per dot row, top row first; "
           "bit 4 is the\n   left column, bit 0 the right. Load them once, then "
           "lcd.write(byte(0)) shows the first:\n" +
           calls + more +
           "   Each glyph's character and name follow it. */\n#include <stdint.h>\n\n" + glyphs;
}

std::string glcdfontBitmapExport(const state::BitmapFont& font) {
    checkLimits(font, kGlcdLimits);
    // The library's own file is included by Adafruit_GFX.cpp and declares `font` static under
    // this guard, so that the replacement is taken in the same way.
    std::string source =
        "/* The classic font of Adafruit GFX from fontedit, 5 x 8: " + characterSummary(font) +
        ",\n   the others are blank; one byte per column, left first; bit 0 "
        "is the top dot. */\n#ifndef FONT5X7_H\n#define FONT5X7_H\n\n" +
        progmemLines() + "\nstatic const unsigned char font[] PROGMEM = {\n";
    for (int character = 0; character < kGlcdCharacters; ++character) {
        const state::BitmapGlyph* glyph = font.find(static_cast<char32_t>(character));
        const std::vector<std::uint8_t> columns =
            glyph ? classicColumns(*glyph) : std::vector<std::uint8_t>(state::kGlyphColumns, 0);
        source += "    " + byteList(columns) + (character + 1 < kGlcdCharacters ? "," : "");
        source += glyph ? " " + bitmapGlyphComment(*glyph) + "\n" : "\n";
    }
    return source + "};\n\n#endif\n";
}

}  // namespace fontedit::formats
