// The display libraries' formats, read as each library reads them: a small program of the
// test's own, written from each library's description (GFX's drawChar, the classic font's
// column loop, MD_MAX72XX's walk over width bytes, createChar into a CGRAM), compiled with
// the exported file as C and C++ under -Werror, prints every glyph as the display shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "formats/common/font_bytes.h"
#include "formats/common/imported_glyphs.h"
#include "formats/export_formats.h"
#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/libraries/gfxfont.h"
#include "formats/libraries/library_decoders.h"
#include "formats/own/font_files.h"
#include "formats/three_fonts.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using namespace support;

std::string hexColumns(const state::GlyphBytes& columns) {
    std::string text;
    char hex[8];
    for (const std::uint8_t byte : columns) {
        std::snprintf(hex, sizeof hex, "%02X ", byte);
        text += hex;
    }
    return text;
}

// What the program prints, built with `compiler` from `program` beside `header`.
std::string drawn(const std::string& compiler, const std::string& program,
                  const std::string& headerName, const std::string& header) {
    const ScratchDirectory dir;
    writeBytes(dir / headerName, header);
    writeBytes(dir / "draw.c", program);
    const std::string at = dir.path().string() + '/';
    const std::string build = compiler + " -Wall -Wextra -Werror -pedantic " + at + "draw.c -o " +
                              at + "draw && " + at + "draw > " + at + "out.txt";
    if (std::system(build.c_str()) != 0) {
        ADD_FAILURE() << build;
        return {};
    }
    return readBytes(dir / "out.txt");
}

constexpr const char* kC = "cc -std=c99";
constexpr const char* kCxx = "c++ -std=c++17 -x c++";

// Whether two files that include `header` as "font_lcd.h", each using other glyphs of it,
// build one program under -Werror.
bool buildsFromTwoFiles(const std::string& compiler, const std::string& header) {
    const ScratchDirectory dir;
    writeBytes(dir / "font_lcd.h", header);
    writeBytes(dir / "one.c",
               "#include \"font_lcd.h\"\nuint8_t *first(void) { return Shown_0; }\n");
    writeBytes(dir / "two.c",
               "#include \"font_lcd.h\"\nuint8_t *first(void);\n"
               "int main(void) { return first()[0] + Shown_1[0] == 256 ? 1 : 0; }\n");
    const std::string at = dir.path().string() + '/';
    const std::string build = compiler + " -Wall -Wextra -Werror -pedantic " + at + "one.c " + at +
                              "two.c -o " + at + "lcd && " + at + "lcd";
    return std::system(build.c_str()) == 0;
}

// drawChar as the library's description gives it, on its structs: the glyph's box from
// (x + xOffset, y + yOffset), its dots row after row, MSB first, a new byte every eight dots.
constexpr const char* kGfxDrawer = R"(#include "font_gfx.h"
static unsigned char screen[40][40];
static void drawChar(const GFXfont *font, int x, int y, unsigned c) {
    const GFXglyph *glyph = &font->glyph[c - font->first];
    unsigned offset = glyph->bitmapOffset, bit = 0, bits = 0;
    for (int yy = 0; yy < glyph->height; yy++) {
        for (int xx = 0; xx < glyph->width; xx++) {
            if (!(bit++ & 7)) bits = font->bitmap[offset++];
            if (bits & 0x80) screen[y + glyph->yOffset + yy][x + glyph->xOffset + xx] = 1;
            bits <<= 1;
        }
    }
}
int main(void) {
    const GFXfont *font = &Shown;
    printf("%u-%u %u\n", font->first, font->last, font->yAdvance);
    for (unsigned c = font->first; c <= font->last; c++) {
        memset(screen, 0, sizeof screen);
        drawChar(font, 16, 20, c);
        int lit = 0;
        for (int y = 0; y < 40; y++) for (int x = 0; x < 40; x++) lit += screen[y][x];
        for (int column = 0; column < 5; column++) {
            unsigned byte = 0;
            for (int row = 0; row < 8; row++) {
                byte |= screen[20 - 6 + row][16 + column] << row;
                lit -= screen[20 - 6 + row][16 + column];
            }
            printf("%02X ", byte);
        }
        printf("%u %d\n", font->glyph[c - font->first].xAdvance, lit);
    }
    return 0;
}
)";

std::string gfxProgram() {
    return "#include <stdint.h>\n#include <stdio.h>\n#include <string.h>\n" +
           std::string(decoders::kGfxStructs) + kGfxDrawer;
}

// Adafruit_GFX.cpp includes glcdfont.c and reads character c's column i as font[c * 5 + i],
// bit 0 the top dot.
constexpr const char* kGlcdProgram = R"(#include <stdio.h>
#include "glcdfont.c"
int main(void) {
    for (unsigned c = 0; c < 256; c++) {
        for (unsigned i = 0; i < 5; i++) {
            unsigned char line = font[c * 5 + i], byte = 0;
            for (int j = 0; j < 8; j++, line >>= 1) byte |= (line & 1) << j;
            printf("%02X ", byte);
        }
        printf("\n");
    }
    return (int)(sizeof font / 5) - 256;
}
)";

// MD_MAX72XX's header, 'F', version, first, last, height, then a width byte before each
// character's columns, found by walking the widths from the first.
constexpr const char* kMax72xxProgram = R"(#include <stdint.h>
#include <stdio.h>
#ifdef __cplusplus
class MD_MAX72XX {
public:
    typedef const uint8_t fontType_t;
};
#endif
#include "font_max72xx.h"
int main(void) {
    const uint8_t *font = Shown;
    if (font[0] != 'F' || font[1] != 1) return 1;
    printf("%u-%u %u\n", font[2], font[3], font[4]);
    unsigned at = 5;
    for (unsigned c = font[2]; c <= font[3]; c++) {
        const unsigned width = font[at++];
        for (unsigned i = 0; i < width; i++) printf("%02X ", font[at++]);
        printf("%u\n", width);
    }
    return 0;
}
)";

// LiquidCrystal::createChar(uint8_t location, uint8_t charmap[]): eight rows into CGRAM place
// location & 7; the display shows bits 4-0 of each row, bit 4 on the left.
std::string hd44780Program(const std::vector<int>& codes) {
    std::string calls;
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        calls += "    createChar(" + std::to_string(slot) + ", Shown_" +
                 std::to_string(codes[slot]) + ");\n";
    }
    return R"(#include <stdint.h>
#include <stdio.h>
static uint8_t cgram[8][8];
static void createChar(uint8_t location, uint8_t charmap[]) {
    for (int row = 0; row < 8; row++) cgram[location & 7][row] = charmap[row];
}
#include "font_lcd.h"
int main(void) {
)" + calls +
           R"(    for (int slot = 0; slot < )" + std::to_string(codes.size()) + R"(; slot++) {
        unsigned hidden = 0;
        for (int column = 0; column < 5; column++) {
            unsigned byte = 0;
            for (int row = 0; row < 8; row++) byte |= (cgram[slot][row] >> (4 - column) & 1) << row;
            printf("%02X ", byte);
        }
        for (int row = 0; row < 8; row++) hidden |= cgram[slot][row] & 0xE0;
        printf("%u\n", hidden);
    }
    return 0;
}
)";
}

TEST(DisplayFormats, EachLibraryDrawsEveryGlyphAsTheEditorShowsIt) {
    const std::vector<int> cgram = {0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<int> scattered = {33, 65, 95};
    for (const NamedFont& font : threeFonts()) {
        SCOPED_TRACE(font.name);
        const state::FontData& data = font.data;
        const ExportSettings settings{.c = {.name = "Shown"}};
        const ExportSettings from65{.c = {.name = "Shown"}, .first = 65};
        const ExportSettings some{.c = {.name = "Shown", .codes = scattered}};
        std::string gfx = "32-127 8\n", glcd, glcd65, max = "32-127 8\n", max65 = "65-160 8\n", lcd,
                    lcdSome;
        for (int code = 0; code < state::kSavedCodes; ++code) {
            const std::string columns = hexColumns(glyphBytes(data, code));
            gfx += columns + "6 0\n";
            max += columns + "5\n";
            max65 += columns + "5\n";
        }
        for (int character = 0; character < 256; ++character) {
            const auto shown = [&](int first) {
                const int code = character - first;
                return hexColumns(code >= 0 && code < state::kSavedCodes ? glyphBytes(data, code)
                                                                         : state::GlyphBytes{}) +
                       "\n";
            };
            glcd += shown(32);
            glcd65 += shown(65);
        }
        for (const int code : cgram) lcd += hexColumns(glyphBytes(data, code)) + "0\n";
        for (const int code : scattered) lcdSome += hexColumns(glyphBytes(data, code)) + "0\n";
        const std::string gfxHeader = exportBytes(ExportFormat::GfxFont, data, settings);
        const std::string maxHeader = exportBytes(ExportFormat::Max72xx, data, settings);
        const std::string glcdSource = exportBytes(ExportFormat::GlcdFont, data, settings);
        const std::string lcdHeader = exportBytes(ExportFormat::Hd44780, data, settings);
        const bool cxx = std::string(font.name) == "random";
        for (const char* compiler : cxx ? std::vector{kC, kCxx} : std::vector{kC}) {
            SCOPED_TRACE(compiler);
            EXPECT_EQ(drawn(compiler, gfxProgram(), "font_gfx.h", gfxHeader), gfx);
            EXPECT_EQ(drawn(compiler, kGlcdProgram, "glcdfont.c", glcdSource), glcd);
            EXPECT_EQ(drawn(compiler, kMax72xxProgram, "font_max72xx.h", maxHeader), max);
            EXPECT_EQ(drawn(compiler, hd44780Program(cgram), "font_lcd.h", lcdHeader), lcd);
            EXPECT_TRUE(buildsFromTwoFiles(compiler, lcdHeader));
        }
        if (!cxx) continue;
        EXPECT_EQ(drawn(kC, kGlcdProgram, "glcdfont.c",
                        exportBytes(ExportFormat::GlcdFont, data, from65)),
                  glcd65);
        EXPECT_EQ(drawn(kC, kMax72xxProgram, "font_max72xx.h",
                        exportBytes(ExportFormat::Max72xx, data, from65)),
                  max65);
        const std::string lcdSomeHeader = exportBytes(ExportFormat::Hd44780, data, some);
        EXPECT_EQ(drawn(kC, hd44780Program(scattered), "font_lcd.h", lcdSomeHeader), lcdSome);
        EXPECT_EQ(lcdHeader.find("holds eight"), std::string::npos);
        EXPECT_NE(exportBytes(ExportFormat::Hd44780, data, {.c = {.codes = allGlyphCodes()}})
                      .find("holds eight"),
                  std::string::npos);
    }
}

// A glyph's box trimmed to its lit dots, its rows packed MSB first, as the library's converter
// writes a font: dots of glyph `columns`, row `baseline` of the cell on the cursor's line.
struct Packed {
    std::vector<unsigned> bytes{};
    int width = 0, height = 0, xOffset = 0, yOffset = 0;
};

Packed packed(const state::GlyphBytes& columns, int baseline) {
    const auto [left, right, top, bottom] = decoders::litBox(columns);
    if (right < 0) return {.bytes = {0}, .width = 1, .height = 1, .yOffset = -1};
    Packed glyph{.bytes = {},
                 .width = right - left + 1,
                 .height = bottom - top + 1,
                 .xOffset = left,
                 .yOffset = top - baseline};
    int bit = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x, ++bit) {
            if (bit % 8 == 0) glyph.bytes.push_back(0);
            if (dotLit(columns[x], y)) glyph.bytes.back() |= 0x80u >> (bit % 8);
        }
    }
    return glyph;
}

// A header laid out as the library ships TomThumb.h: its own switch, a block of extended
// glyphs under it, 95 characters from the space to the tilde; `before` and `after` around the
// glyph table's row for code `wrapped`.
std::string libraryHeader(const state::FontData& data, int baseline, const std::string& before = "",
                          const std::string& after = "", int wrapped = -1) {
    std::string bitmaps =
        "#define DEMO_USE_EXTENDED 0\n\nconst uint8_t DemoBitmaps[] PROGMEM = {\n";
    std::string glyphs = "const GFXglyph DemoGlyphs[] PROGMEM = {\n";
    unsigned offset = 0;
    char line[96];
    for (int code = 0; code < 95; ++code) {
        const Packed glyph = packed(glyphBytes(data, code), baseline);
        for (const unsigned byte : glyph.bytes) {
            std::snprintf(line, sizeof line, "    0x%02X,\n", byte);
            bitmaps += line;
        }
        std::snprintf(line, sizeof line, "    {%u, %d, %d, %d, %d, %d}, /* 0x%02X */\n", offset,
                      glyph.width, glyph.height, glyph.width + 1, glyph.xOffset, glyph.yOffset,
                      code + 32);
        glyphs += code == wrapped ? before + line + after : line;
        offset += static_cast<unsigned>(glyph.bytes.size());
    }
    return bitmaps + "#if (DEMO_USE_EXTENDED)\n    0xFF, 0xFF,\n#endif\n};\n\n" + glyphs +
           "#if (DEMO_USE_EXTENDED)\n    {0, 4, 4, 5, 0, -5}, /* 0xA1 */\n#endif\n};\n\n"
           "const GFXfont Demo PROGMEM = {(uint8_t *)DemoBitmaps,\n"
           "                              (GFXglyph *)DemoGlyphs, 0x20, 0x7E, 7};\n";
}

int lineOf(const std::string& source, const std::string& text) {
    const std::size_t at = source.find(text);
    EXPECT_NE(at, std::string::npos) << text;
    return 1 + static_cast<int>(std::count(source.begin(), source.begin() + at, '\n'));
}

TEST(GfxFontImport, TakesTheLibrarysOwnHeadersAndRefusesWhatDoesNotFit) {
    const state::FontData debian = threeFonts()[2].data;
    const std::string bogus = "    {0, 3, 3, 4, 0, -3},\n";
    struct Case {
        const char* what;
        std::string source;
        std::optional<Cause> refused{};
        std::string value{};
        std::string at{};  // the text of the line the failure names
    };
    const Case cases[] = {
        {"as shipped", libraryHeader(debian, 6)},
        {"an #else the file's own macro decides",
         libraryHeader(debian, 6,
                       "#define DEMO_NARROW (2 - 2)\n#if !defined(DEMO_NARROW) || DEMO_NARROW\n" +
                           bogus + "#elif DEMO_NARROW > 1\n" + bogus + "#else\n",
                       "#endif\n", 33)},
        {"its switch never defined, so the extended glyphs are left out",
         libraryHeader(debian, 6).substr(std::string_view("#define DEMO_USE_EXTENDED 0\n").size())},
        {"#if of a function-like macro's call",
         libraryHeader(debian, 6, "#if __has_include(<avr/pgmspace.h>)\n", "#endif\n", 5),
         Cause::ConditionalInList, "#if __has_include(<avr/pgmspace.h>)",
         "#if __has_include(<avr/pgmspace.h>)"},
        {"a glyph past the bitmap",
         libraryHeader(debian, 6, "#if 0\n", "#endif\n    {9999, 5, 8, 6, 0, -6},\n", 94),
         Cause::BitmapShort, "0x7E", "{9999"},
        {"a glyph too few", libraryHeader(debian, 6, "#if 0\n", "#endif\n", 94),
         Cause::GlyphsMissing, "95", "DemoGlyphs[]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(detectFormat(c.source), ImportFormat::GfxFont);
        if (c.refused) {
            expectFailure([&] { importFont(ImportFormat::GfxFont, c.source, {}); }, *c.refused,
                          {.line = lineOf(c.source, c.at), .value = c.value});
            continue;
        }
        const ImportedFont font = importFont(ImportFormat::GfxFont, c.source, {});
        for (int code = 0; code < 95; ++code) {
            EXPECT_EQ(glyphBytes(font.data, code), glyphBytes(debian, code)) << code;
        }
        EXPECT_EQ(font.data.labels[33], "A");
        EXPECT_EQ(
            font.notes,
            (std::vector<ImportNote>{{.kind = ImportNote::Kind::EncodingMissing, .code = 127}}));
    }

    // Drawn a row lower, every glyph with a dot in the bottom row reaches below the cell.
    int descending = 0;
    int firstDescending = -1;
    for (int code = 0; code < 95; ++code) {
        const state::GlyphBytes columns = glyphBytes(debian, code);
        const bool descends = (columns[0] | columns[1] | columns[2] | columns[3] | columns[4]) >> 7;
        if (descends && firstDescending < 0) firstDescending = code;
        descending += descends;
    }
    ASSERT_GT(descending, 0);
    const std::string low = libraryHeader(debian, 5);
    char name[16];
    std::snprintf(name, sizeof name, "0x%02X", firstDescending + 32);
    expectFailure([&] { importGfxFont(low, {}); }, Cause::GlyphTooLarge,
                  {.line = lineOf(low, std::string("/* ") + name + " */"),
                   .code = firstDescending,
                   .value = name});
    const ImportedFont cropped = importGfxFont(low, {.crop = true});
    EXPECT_EQ(cropped.notes.front(),
              (ImportNote{.kind = ImportNote::Kind::GlyphsCropped, .count = descending}));
}

}  // namespace
}  // namespace fontedit::formats
