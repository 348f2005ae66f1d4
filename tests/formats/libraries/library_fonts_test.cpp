// Bitmap fonts of any cell in the display libraries' formats: each export, compiled with a
// small C program written here from the library's own description of its format, draws every
// glyph dot for dot as the font holds it; each import reads the export back at its size; and a
// font a format cannot hold is refused with what it got and what would take it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "formats/common/bitmap_cell.h"
#include "formats/common/bitmap_readers.h"
#include "formats/libraries/gfxfont.h"
#include "formats/libraries/glcdfont.h"
#include "formats/libraries/hd44780.h"
#include "formats/libraries/library_decoders.h"
#include "formats/libraries/lvgl.h"
#include "formats/libraries/max72xx.h"
#include "formats/libraries/u8g2.h"
#include "formats/libraries/u8x8.h"
#include "formats/registry.h"
#include "formats/tables/c_bitmap.h"
#include "state/character_list.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

// A namespace of its own: the test files are built as one unit.
namespace fontedit::formats::library_fonts {
namespace {

using state::BitmapFont;
using state::BitmapGlyph;
using state::Cause;
using state::withCharacters;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

std::vector<char32_t> run(char32_t first, char32_t last) {
    std::vector<char32_t> characters;
    for (char32_t c = first; c <= last; ++c) characters.push_back(c);
    return characters;
}

std::vector<char32_t> operator+(std::vector<char32_t> a, const std::vector<char32_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Dots at random, four in ten lit, the space blank; one name that would end a comment.
void fill(BitmapGlyph& glyph, std::mt19937& random) {
    glyph.name = glyph.character == 'A' ? "A */ \"" : std::string(1, 'g');
    if (glyph.character == ' ') return;
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x) glyph.setDot(x, y, random() % 10 < 4);
}

BitmapFont monospaced(int width, int height, int descent, const std::vector<char32_t>& characters) {
    std::mt19937 random(static_cast<unsigned>(width * 100 + height));
    BitmapFont font{.ascent = height - descent, .descent = descent, .glyphs = {}, .family = {}};
    for (const char32_t c : characters) {
        BitmapGlyph glyph = state::blankGlyph(c, width, height);
        glyph.bottom = -descent;
        fill(glyph, random);
        font.glyphs.push_back(glyph);
    }
    return font;
}

// Boxes of their own size and place, some reaching left of the origin or below the line, and
// a space of no box at all.
BitmapFont proportional(int ascent, int descent, const std::vector<char32_t>& characters) {
    std::mt19937 random(static_cast<unsigned>(ascent));
    BitmapFont font{.ascent = ascent, .descent = descent, .glyphs = {}, .family = {}};
    for (const char32_t c : characters) {
        const int height = 1 + static_cast<int>(random() % static_cast<unsigned>(ascent + descent));
        BitmapGlyph glyph = state::blankGlyph(c, c == ' ' ? 0 : 1 + static_cast<int>(random() % 10),
                                              c == ' ' ? 0 : height);
        glyph.left = static_cast<int>(random() % 3) - 1;
        glyph.bottom =
            c == ' '
                ? 0
                : -descent + static_cast<int>(random() %
                                              static_cast<unsigned>(ascent + descent - height + 1));
        glyph.advance = c == ' ' ? 3 : glyph.left + glyph.width + 1;
        fill(glyph, random);
        font.glyphs.push_back(glyph);
    }
    return font;
}

struct Window {
    int left, top, width, height;  // top: rows above the baseline, exclusive
};

Window windowOf(const BitmapFont& font) {
    int left = 0, right = 0, top = font.ascent, bottom = -font.descent;
    for (const BitmapGlyph& g : font.glyphs) {
        if (g.width == 0) continue;
        left = std::min(left, g.left), right = std::max(right, g.left + g.width);
        top = std::max(top, g.bottom + g.height), bottom = std::min(bottom, g.bottom);
    }
    return {left, top, right - left, top - bottom};
}

// Each glyph as the drawing programs print it: its character, its advance where the format
// keeps one, and the window's rows of "#" and "."; glyphs in `characters`' order.
std::string shown(const BitmapFont& font, const Window& window, bool advances) {
    std::string text;
    char line[32];
    for (const BitmapGlyph& glyph : font.glyphs) {
        std::snprintf(line, sizeof line, "U+%04X", static_cast<unsigned>(glyph.character));
        text += line;
        if (advances) text += " a" + std::to_string(glyph.advance);
        text += "\n";
        for (int up = window.top - 1; up >= window.top - window.height; --up) {
            for (int x = window.left; x < window.left + window.width; ++x) {
                const bool lit = glyph.dot(x - glyph.left, glyph.bottom + glyph.height - 1 - up);
                text += lit ? '#' : '.';
            }
            text += '\n';
        }
    }
    return text;
}

// A canvas with the origin at (OX, OY), y down; show() prints the window's rows, and counts
// the dots drawn outside it.
constexpr std::string_view kCanvas = R"(#include <stdint.h>
#include <stdio.h>
#include <string.h>
#define OX 80
#define OY 80
static unsigned char canvas[160][160];
static void dot(int x, int y) {
    if (x >= 0 && x < 160 && y >= 0 && y < 160) canvas[y][x] = 1;
}
static void show(unsigned long c, int advance) {
    int x, y, outside = 0;
    printf("U+%04lX", c);
    if (advance >= 0) printf(" a%d", advance);
    printf("\n");
    for (y = 0; y < 160; y++)
        for (x = 0; x < 160; x++)
            if (canvas[y][x] && (x < OX + W_LEFT || x >= OX + W_LEFT + W_WIDTH ||
                                 y <= OY - W_TOP || y > OY - W_TOP + W_HEIGHT))
                outside++;
    for (y = OY - W_TOP + 1; y <= OY - W_TOP + W_HEIGHT; y++) {
        for (x = OX + W_LEFT; x < OX + W_LEFT + W_WIDTH; x++) putchar(canvas[y][x] ? '#' : '.');
        putchar('\n');
    }
    if (outside) printf("outside %d\n", outside);
    memset(canvas, 0, sizeof canvas);
}
)";

// A C table: glyph i's bytes, found by NAME_characters in a sparse font; a column's bytes top
// first, a page's columns left first, a row's bytes left first.
constexpr std::string_view kCTable = R"(#include "font.c"
static int draw(unsigned long c) {
    int i = 0, x, y;
#if SPARSE
    while (Shown_characters[i] != c) i++;
#else
    i = (int)(c - FIRST);
#endif
    for (y = 0; y < CELL_H; y++) {
        for (x = 0; x < CELL_W; x++) {
            int byte, bit;
#if LAYOUT == 0
            byte = Shown[i][x * ((CELL_H + 7) / 8) + y / 8], bit = y % 8;
#elif LAYOUT == 1
            byte = Shown[i][y / 8 * CELL_W + x], bit = y % 8;
#else
            byte = Shown[i][y * ((CELL_W + 7) / 8) + x / 8], bit = x % 8;
#endif
            if (byte >> (MSB ? 7 - bit : bit) & 1) dot(OX + W_LEFT + x, OY - W_TOP + 1 + y);
        }
    }
#if PROPORTIONAL
    return Shown_widths[i];
#else
    return -1;
#endif
}
)";

// drawChar, after gfxfont.h's structs: the box from (x + xOffset, y + yOffset), the cursor's y
// the row resting on the baseline, bits row after row from the most significant.
constexpr std::string_view kGfx = R"(#include "font.c"
static int draw(unsigned long c) {
    const GFXglyph *glyph = &Shown.glyph[c - Shown.first];
    unsigned offset = glyph->bitmapOffset, bit = 0, bits = 0;
    int xx, yy;
    if (c > Shown.last) return -2;
    for (yy = 0; yy < glyph->height; yy++) {
        for (xx = 0; xx < glyph->width; xx++) {
            if (!(bit++ & 7)) bits = Shown.bitmap[offset++];
            if (bits & 0x80) dot(OX + glyph->xOffset + xx, OY + glyph->yOffset + yy);
            bits <<= 1;
        }
    }
    return glyph->xAdvance;
}
)";

// u8g2: the font, then the decoders' u8g2_draw at the origin.
constexpr std::string_view kU8g2 = R"(#include "font.c"
)";
constexpr std::string_view kU8g2Draw = R"(static int draw(unsigned long c) {
    return u8g2_draw(Shown, c, OX, OY + 1);
}
)";

// u8x8: first and last character, tiles across and down, then each glyph's tiles row after
// row, eight column bytes a tile, bit 0 the top.
constexpr std::string_view kU8x8 = R"(#include "font.c"
static int draw(unsigned long c) {
    const uint8_t *font = Shown;
    unsigned across = font[2], down = font[3], tile, column, bit;
    const uint8_t *glyph = font + 4 + (c - font[0]) * across * down * 8;
    if (c < font[0] || c > font[1]) return -2;
    for (tile = 0; tile < across * down; ++tile)
        for (column = 0; column < 8; ++column)
            for (bit = 0; bit < 8; ++bit)
                if (glyph[tile * 8 + column] >> bit & 1)
                    dot(OX + W_LEFT + (int)(tile % across * 8 + column),
                        OY - W_TOP + 1 + (int)(tile / across * 8 + bit));
    return -1;
}
)";

// LVGL's cmaps: format 0 tiny gives glyph_id_start + (letter - range_start), sparse tiny the
// place of letter - range_start in unicode_list; a box's bottom is ofs_y above the baseline,
// its bits row after row from the most significant.
constexpr std::string_view kLvgl = R"(#define LV_ATTRIBUTE_LARGE_CONST
#define LVGL_VERSION_MAJOR 9
)";
// After the glyphs and maps of the decoders: the font's description and lv_font_t.
constexpr std::string_view kLvglFont = R"(typedef struct {
    const uint8_t *glyph_bitmap;
    const lv_font_fmt_txt_glyph_dsc_t *glyph_dsc;
    const lv_font_fmt_txt_cmap_t *cmaps;
    const void *kern_dsc;
    uint16_t kern_scale;
    uint16_t cmap_num : 9, bpp : 4, kern_classes : 1, bitmap_format : 2;
} lv_font_fmt_txt_dsc_t;
enum { LV_FONT_SUBPX_NONE };
typedef struct lv_font_t {
    int (*get_glyph_dsc)(void);
    int (*get_glyph_bitmap)(void);
    int32_t line_height, base_line;
    uint8_t subpx : 2;
    int8_t underline_position, underline_thickness;
    const void *dsc;
    const struct lv_font_t *fallback;
    void *user_data;
} lv_font_t;
static int lv_font_get_glyph_dsc_fmt_txt(void) { return 0; }
static int lv_font_get_bitmap_fmt_txt(void) { return 0; }
#define LV_LVGL_H_INCLUDE_SIMPLE
#include "font.c"
static int draw(unsigned long c) {
    const lv_font_fmt_txt_dsc_t *dsc = Shown.dsc;
    const lv_font_fmt_txt_glyph_dsc_t *glyph = 0;
    unsigned i, j, row, column, at = 0;
    if (Shown.line_height != W_HEIGHT || Shown.base_line != W_HEIGHT - W_TOP) return -3;
    for (i = 0; i < dsc->cmap_num && !glyph; ++i) {
        const lv_font_fmt_txt_cmap_t *cmap = &dsc->cmaps[i];
        if (c < cmap->range_start || c >= cmap->range_start + cmap->range_length) continue;
        if (cmap->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY)
            glyph = &dsc->glyph_dsc[cmap->glyph_id_start + (c - cmap->range_start)];
        for (j = 0; cmap->type == LV_FONT_FMT_TXT_CMAP_SPARSE_TINY && j < cmap->list_length; ++j)
            if (cmap->unicode_list[j] == c - cmap->range_start)
                glyph = &dsc->glyph_dsc[cmap->glyph_id_start + j];
    }
    if (!glyph) return -2;
    for (row = 0; row < glyph->box_h; ++row)
        for (column = 0; column < glyph->box_w; ++column, ++at)
            if (dsc->glyph_bitmap[glyph->bitmap_index + at / 8] >> (7 - at % 8) & 1)
                dot(OX + glyph->ofs_x + (int)column,
                    OY - (glyph->ofs_y + glyph->box_h - 1) + (int)row);
    return glyph->adv_w / 16;
}
)";

// MD_MAX72XX: 'F', version, first and last character (two bytes each in version 2), height,
// then a width byte before each character's columns, bit 0 the top; walked from the first.
constexpr std::string_view kMax72xx = R"(#include "font.c"
static int draw(unsigned long c) {
    const uint8_t *font = Shown;
    const int wide = font[1] == 2;
    unsigned long first = wide ? (unsigned long)font[2] << 8 | font[3] : font[2], k;
    unsigned at = wide ? 7 : 5, x, y, width;
    for (k = first; k < c; ++k) at += 1 + font[at];
    width = font[at++];
    for (x = 0; x < width; ++x)
        for (y = 0; y < 8; ++y)
            if (font[at + x] >> y & 1) dot(OX + W_LEFT + (int)x, OY - W_TOP + 1 + (int)y);
    return -1;
}
)";

// Adafruit GFX's classic font: character c's column i is font[c * 5 + i], bit 0 the top.
constexpr std::string_view kGlcd = R"(#define PROGMEM
#include "font.c"
static int draw(unsigned long c) {
    int i, j;
    for (i = 0; i < 5; i++)
        for (j = 0; j < 8; j++)
            if (font[c * 5 + i] >> j & 1) dot(OX + i, OY - 6 + j);
    return -1;
}
)";

// createChar's eight rows, bit 4 the left column; the glyphs' arrays in the font's order.
constexpr std::string_view kHd44780 = R"(#include "font.c"
static int slot;
static int draw(unsigned long c) {
    int row, column;
    (void)c;
    for (row = 0; row < 8; row++)
        for (column = 0; column < 5; column++)
            if (SLOTS[slot][row] >> (4 - column) & 1) dot(OX + column, OY - 6 + row);
    slot++;
    return -1;
}
)";

struct Format {
    const char* name;
    std::string drawer;
    std::function<std::string(const BitmapFont&)> source;
    bool advances;  // the format keeps each glyph's advance
    std::function<BitmapFont(std::string_view)> import{};
};

// Each written as convert writes it, through the format's row of the registry.
std::vector<Format> formats() {
    const auto written = [](std::string_view word, CLayout layout = CLayout::Columns,
                            bool msbFirst = false) {
        return [=](const BitmapFont& font) {
            return formatNamed(word)->writeBitmap(
                font, {.name = "Shown", .layout = layout, .msbFirst = msbFirst});
        };
    };
    return {
        {"c columns", std::string(kCTable), written("c"), false},
        {"c pages", std::string(kCTable), written("c", CLayout::Pages), false},
        {"c rows msb", std::string(kCTable), written("c", CLayout::Rows, true), false},
        {"c rows lsb", std::string(kCTable), written("c", CLayout::Rows), false},
        {"gfxfont", std::string(decoders::kGfxStructs) + std::string(kGfx), written("gfxfont"),
         true, gfxfontBitmapImport},
        {"u8g2", std::string(kU8g2) + std::string(decoders::kU8g2Drawer) + std::string(kU8g2Draw),
         written("u8g2"), true, u8g2BitmapImport},
        {"u8x8", std::string(kU8x8), written("u8x8"), false, u8x8BitmapImport},
        {"lvgl",
         std::string(kLvgl) + std::string(decoders::kLvglGlyphsAndMaps) + std::string(kLvglFont),
         written("lvgl"), true, lvglBitmapImport},
        {"max72xx", std::string(kMax72xx), written("max72xx"), false, max72xxBitmapImport},
        {"glcdfont", std::string(kGlcd), written("glcdfont"), false},
        {"hd44780", std::string(kHd44780), written("hd44780"), false},
    };
}

const Format& drawnFormat(std::string_view name) {
    static const std::vector<Format> all = formats();
    return *std::find_if(all.begin(), all.end(), [&](const Format& f) { return f.name == name; });
}

struct NamedBitmapFont {
    const char* name;
    BitmapFont font;
};

BitmapFont installed(const std::string& path, const std::vector<char32_t>& characters) {
    return withCharacters(readPcf(gunzip(readBytes("/usr/share/fonts/X11/" + path))), characters);
}

const std::vector<NamedBitmapFont>& fonts() {
    static const std::vector<NamedBitmapFont> all = {
        // "°" past the ASCII run, as a font for a thermometer has it.
        {"8x16", monospaced(8, 16, 4, run(0x20, 0x7E) + std::vector<char32_t>{0xB0})},
        {"16x16 with kana", monospaced(16, 16, 2, run(0x20, 0x7E) + run(0x30A2, 0x30B3))},
        {"proportional", proportional(10, 3, run(0x20, 0x7E) + std::vector<char32_t>{0xB0})},
        {"proportional 8 high", proportional(7, 1, run(0x20, 0x7E))},
        // Past U+00FF, MD_MAX72XX's characters take two bytes each.
        {"proportional 8 high to U+0100",
         proportional(7, 1, run(0x20, 0x7E) + std::vector<char32_t>{0x100})},
        {"32x32 digits", monospaced(32, 32, 4, run(0x30, 0x3A))},
        {"5x8", monospaced(5, 8, 1, run(0x20, 0x7F))},
        {"5x8 on its bottom row", monospaced(5, 8, 0, run(0x20, 0x7F))},
        // Debian's own fonts, as convert reads them.
        {"8x16.pcf", installed("misc/8x16.pcf.gz", run(0x20, 0x7E) + std::vector<char32_t>{0xB0})},
        {"unifont kana", installed("misc/unifont.pcf.gz", run(0x30A2, 0x30B3))},
        {"proportional helvR12.pcf", installed("75dpi/helvR12.pcf.gz", run(0x20, 0x7E))},
        {"misaki", withCharacters(readTrueType(readBytes("/usr/share/fonts/truetype/misaki/"
                                                         "misaki_gothic.ttf"),
                                               {}),
                                  run(0x20, 0x7E) + run(0x3041, 0x3093))},
    };
    return all;
}

const BitmapFont& fontNamed(std::string_view name) {
    return std::find_if(fonts().begin(), fonts().end(),
                        [&](const NamedBitmapFont& f) { return f.name == name; })
        ->font;
}

// The first line the two differ in, with the glyph it belongs to; none when they are the same.
std::string firstDifference(const std::string& got, const std::string& expected) {
    std::size_t at = 0, glyph = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) {
        if (got.compare(at, 2, "U+") == 0) glyph = at;
        ++at;
    }
    if (at == got.size() && at == expected.size()) return {};
    const std::size_t start = got.rfind('\n', at) == std::string::npos ? 0 : got.rfind('\n', at);
    return "in " + got.substr(glyph, 6) + ": got \"" + got.substr(start, 40) + "\", expected \"" +
           expected.substr(start, 40) + "\"";
}

std::string drawn(const Format& format, const BitmapFont& font, const std::string& source) {
    const Window window = windowOf(font);
    const bool c = std::string_view(format.name).starts_with("c ");
    const std::string layout = std::string(format.name) == "c pages"            ? "1"
                               : std::string(format.name).starts_with("c rows") ? "2"
                                                                                : "0";
    std::string program =
        "#define W_LEFT " + std::to_string(window.left) + "\n#define W_TOP " +
        std::to_string(window.top) + "\n#define W_WIDTH " + std::to_string(window.width) +
        "\n#define W_HEIGHT " + std::to_string(window.height) +
        "\n#define CELL_W W_WIDTH\n"
        "#define CELL_H W_HEIGHT\n#define LAYOUT " +
        layout + "\n#define MSB " + (std::string(format.name) == "c rows msb" ? "1" : "0") +
        "\n#define FIRST " + std::to_string(font.glyphs.front().character) + "\n#define SPARSE " +
        std::to_string(font.glyphs.back().character - font.glyphs.front().character + 1 !=
                       font.glyphs.size()) +
        "\n#define PROPORTIONAL " +
        std::to_string(c && !std::all_of(font.glyphs.begin(), font.glyphs.end(),
                                         [&](const BitmapGlyph& g) {
                                             return g.advance == font.glyphs[0].advance;
                                         })) +
        "\n#define SLOTS slots\n";
    std::string characters, slots;
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        characters += std::to_string(font.glyphs[i].character) + "ul, ";
        slots += "Shown_" + std::to_string(i) + ", ";
    }
    program += std::string(kCanvas) + std::string(format.drawer);
    if (std::string(format.name) == "hd44780") {
        program = std::string(program).insert(program.find("static int slot;"),
                                              "static const uint8_t *slots[] = {" + slots + "};\n");
    }
    program += "static const unsigned long characters[] = {" + characters +
               "};\nint main(void) {\n    unsigned i;\n    for (i = 0; i < sizeof characters / "
               "sizeof characters[0]; i++) show(characters[i], draw(characters[i]));\n"
               "    return 0;\n}\n";
    const ScratchDirectory dir;
    writeBytes(dir / "font.c", source);
    writeBytes(dir / "lvgl.h", "");
    writeBytes(dir / "draw.c", program);
    const std::string at = dir.path().string() + '/';
    const std::string build = "gcc -std=c99 -Wall -Wextra -Werror -Wno-unused-function " + at +
                              "draw.c -o " + at + "draw && " + at + "draw > " + at + "out.txt";
    if (std::system(build.c_str()) != 0) {
        ADD_FAILURE() << build;
        return {};
    }
    return readBytes(dir / "out.txt");
}

// Each row: a font, a format, and the cell it has. Every glyph drawn by the library's reading
// is the font's, dot for dot, with its advance where the format keeps one; the import gives
// the same dots back.
TEST(LibraryFonts, EachFormatDrawsEveryGlyphOfEveryCell) {
    const struct {
        const char* font;
        const char* format;
        const char* cell;
    } rows[] = {
        {"8x16", "c columns", "8x16"},
        {"16x16 with kana", "c columns", "16x16"},
        {"proportional", "c columns", "12x13"},
        {"8x16", "c pages", "8x16"},
        {"proportional", "c pages", "12x13"},
        {"16x16 with kana", "c rows msb", "16x16"},
        {"proportional", "c rows lsb", "12x13"},
        {"8x16", "gfxfont", "8x16"},
        {"16x16 with kana", "gfxfont", "16x16"},
        {"proportional", "gfxfont", "12x13"},
        {"8x16", "u8g2", "8x16"},
        {"16x16 with kana", "u8g2", "16x16"},
        {"proportional", "u8g2", "12x13"},
        {"8x16", "u8x8", "8x16"},
        {"32x32 digits", "u8x8", "32x32"},
        {"proportional 8 high", "u8x8", "12x8"},
        {"8x16", "lvgl", "8x16"},
        {"16x16 with kana", "lvgl", "16x16"},
        {"proportional", "lvgl", "12x13"},
        {"proportional 8 high", "max72xx", "12x8"},
        {"proportional 8 high to U+0100", "max72xx", "12x8"},
        {"5x8", "max72xx", "5x8"},
        {"5x8", "glcdfont", "5x8"},
        {"5x8", "hd44780", "5x8"},
        {"8x16.pcf", "c pages", "8x16"},
        {"8x16.pcf", "u8g2", "8x16"},
        {"8x16.pcf", "u8x8", "8x16"},
        {"unifont kana", "lvgl", "16x16"},
        {"unifont kana", "gfxfont", "16x16"},
        {"unifont kana", "c rows msb", "16x16"},
        {"proportional helvR12.pcf", "c columns", "11x14"},
        {"proportional helvR12.pcf", "u8g2", "11x14"},
        {"proportional helvR12.pcf", "lvgl", "11x14"},
        {"misaki", "u8g2", "8x8"},
        {"misaki", "max72xx", "8x8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.font) + " as " + row.format);
        const Format& format = drawnFormat(row.format);
        const BitmapFont& font = fontNamed(row.font);
        const Window window = windowOf(font);
        EXPECT_EQ(cellText(window.width, window.height), row.cell);
        const bool c = std::string_view(row.format).starts_with("c ");
        const bool proportionalC = c && std::string_view(row.font).starts_with("proportional");
        const std::string source = format.source(font);
        EXPECT_EQ(firstDifference(drawn(format, font, source),
                                  shown(font, window, format.advances || proportionalC)),
                  "");
        if (format.import) {
            // u8x8 and MD_MAX72XX keep no origin: their glyphs are compared in the cell.
            // u8x8 has a glyph at every character of its range; those of the gaps are blank.
            BitmapFont back = format.import(source);
            std::erase_if(back.glyphs,
                          [&](const BitmapGlyph& g) { return !font.find(g.character); });
            const Window own = windowOf(back);
            const bool cellOnly = !format.advances;
            EXPECT_EQ(firstDifference(
                          shown(back,
                                cellOnly ? Window{own.left, own.top, window.width, window.height}
                                         : window,
                                format.advances),
                          shown(font, window, format.advances)),
                      "");
        }
        if (c) {
            // Read as a table of the cell, glyph i stands at the first character + i.
            const auto layout = std::string(row.format) == "c pages"            ? CLayout::Pages
                                : std::string(row.format).starts_with("c rows") ? CLayout::Rows
                                                                                : CLayout::Columns;
            BitmapFont back =
                cBitmapImport(source, {.width = window.width,
                                       .height = window.height,
                                       .layout = layout,
                                       .msbFirst = std::string(row.format) == "c rows msb"});
            ASSERT_EQ(back.glyphs.size(), font.glyphs.size());
            for (std::size_t i = 0; i < back.glyphs.size(); ++i) {
                back.glyphs[i].character = font.glyphs[i].character;
            }
            EXPECT_EQ(
                firstDifference(shown(back, windowOf(back), false), shown(font, window, false)),
                "");
        }
    }
}

// A font too large, or with characters past the format's, is refused whole, the message's
// facts naming the font's cell, the format's and the formats that would take it.
TEST(LibraryFonts, AFontTheFormatCannotHoldIsRefused) {
    const struct {
        const char* font;
        const char* format;
        Cause cause;
        state::Facts facts;
    } rows[] = {
        {"8x16", "hd44780", Cause::CellPastFormat, {.value = "8x16", .needed = "5x8"}},
        {"proportional", "glcdfont", Cause::CellPastFormat, {.value = "12x13", .needed = "5x8"}},
        // Standing on its bottom row, a 5 x 8 font reaches a row above the LCD's cell.
        {"5x8 on its bottom row",
         "hd44780",
         Cause::CellPastFormat,
         {.value = "5x9", .needed = "5x8"}},
        {"8x16", "max72xx", Cause::CellPastFormat, {.value = "8x16", .needed = "64x8"}},
        {"16x16 with kana",
         "u8x8",
         Cause::CharacterNotHeld,
         {.value = "U+30B3", .needed = "U+00FF"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.font) + " as " + row.format);
        try {
            drawnFormat(row.format).source(fontNamed(row.font));
            ADD_FAILURE() << "not refused";
        } catch (const state::Failure& failure) {
            EXPECT_EQ(failure.cause(), row.cause);
            EXPECT_EQ(failure.facts().value, row.facts.value);
            EXPECT_EQ(failure.facts().needed, row.facts.needed);
            EXPECT_NE(failure.facts().takers.find("lvgl"), std::string::npos);
            EXPECT_EQ(failure.facts().takers.find(row.format), std::string::npos);
        }
    }
    // Limits only the glyphs' dots reach: GFXfont's 16-bit offsets, PSF's 512 drawings.
    BitmapFont distinct{.ascent = 32, .descent = 0, .glyphs = {}, .family = {}};
    for (char32_t character = 0x100; character < 0x100 + 600; ++character) {
        BitmapGlyph glyph = state::blankGlyph(character, 32, 32);
        glyph.advance = 32;
        glyph.rows.assign(glyph.rows.size(), 0xFFFFFFFF);
        glyph.rows[0] = character;
        distinct.glyphs.push_back(std::move(glyph));
    }
    for (const auto& [word, cause] : {std::pair{"gfxfont", Cause::BitmapPastOffsets},
                                      std::pair{"psf", Cause::TooManyForFormat}}) {
        SCOPED_TRACE(word);
        try {
            formatNamed(word)->writeBitmap(distinct, {});
            ADD_FAILURE() << "not refused";
        } catch (const state::Failure& failure) {
            EXPECT_EQ(failure.cause(), cause);
            EXPECT_NE(failure.facts().takers.find("lvgl"), std::string::npos);
            EXPECT_EQ(failure.facts().takers.find(word), std::string::npos);
        }
    }
    BitmapFont huge = fontNamed("32x32 digits");
    for (BitmapGlyph& glyph : huge.glyphs) {
        glyph = state::blankGlyph(glyph.character, 64, 64);
        for (int y = 0; y < 64; ++y)
            glyph.rows[static_cast<std::size_t>(y)] = 0x5555555555555555u << (y % 2);
    }
    support::expectFailure([&] { u8g2BitmapData(huge); }, Cause::GlyphRecordTooLong,
                           {.code = 297, .value = "U+0030"});
    // GFXfont's xAdvance is a byte, LVGL's adv_w 12 bits of sixteenths.
    BitmapFont wide = fontNamed("8x16");
    wide.find('A')->advance = 256;
    support::expectFailure([&] { gfxfontBitmapExport(wide, {}); }, Cause::GlyphFieldPastFormat,
                           {.code = 256, .value = "U+0041"});
    support::expectFailure([&] { lvglBitmapExport(wide, {}); }, Cause::GlyphFieldPastFormat,
                           {.code = 4096, .value = "U+0041"});
}

// Tables of a cell the user names: glyph after glyph from the offset, or refused where the
// values end inside a glyph, the cell is no glyph's or a value is no byte.
TEST(LibraryFonts, TablesOfANamedCellComeIn) {
    // Two glyphs of 12 x 2 in rows, bit 7 the left dot, after a header of three bytes.
    const std::string bytes("\x46\x01\x02\xF0\x10\x00\x30\xFF\xF0\x80\x00", 11);
    const TableBitmapOptions rows{.width = 12,
                                  .height = 2,
                                  .layout = CLayout::Rows,
                                  .msbFirst = true,
                                  .first = 0xB0,
                                  .offset = 3};
    const BitmapFont font = binaryBitmapImport(bytes, rows);
    const Window window{0, 2, 12, 2};
    EXPECT_EQ(shown(font, window, false),
              "U+00B0\n####.......#\n..........##\nU+00B1\n"
              "############\n#...........\n");
    const std::string source =
        "/* glyphs */ static const unsigned char x[] = {1, 2};\n"
        "const unsigned char big[] = {{0x46, 1, 2}, {0xF0, 0x10, 0, 0x30},\n"
        "  {0xFF, 0xF0, 0x80, 0}};\n";
    EXPECT_EQ(shown(cBitmapImport(source, rows), window, false), shown(font, window, false));
    auto named = rows;
    named.array = "x";
    support::expectFailure([&] { cBitmapImport(source, named); }, Cause::OffsetPastEnd,
                           {.line = 1, .value = "2"});
    support::expectFailure([&] { binaryBitmapImport(bytes.substr(0, 10), rows); },
                           Cause::PartialGlyph, {.value = "10"});
    support::expectFailure([&] { binaryBitmapImport(bytes, {.width = 65, .height = 8}); },
                           Cause::CellPastFormat, {.value = "65x8"});
    support::expectFailure([&] { cBitmapImport("char f[] = {1, 256};", rows); }, Cause::NotAByte,
                           {.line = 1, .value = "256"});
}

}  // namespace
}  // namespace fontedit::formats::library_fonts
