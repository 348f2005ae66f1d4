// The display libraries' fonts, each checked by what is written here from the library's own
// description of its format: small drawing programs, compiled with the exported source, draw
// every glyph at its baseline as u8g2, u8x8 and LVGL do; and fonts laid out as the libraries'
// converters lay them out, with choices of their own, come in exactly.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "formats/font_bytes.h"
#include "formats/font_files.h"
#include "formats/font_import.h"
#include "formats/lvgl_export.h"
#include "formats/u8g2_export.h"
#include "formats/u8x8_export.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

// A namespace of its own: the test files are built as one unit.
namespace fontedit::formats::display_fonts {
namespace {

using support::expectFailure;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

constexpr int kGlyphs = state::kSavedCodes;
constexpr int kPitch = 6;  // a glyph's column and the blank one after it

struct NamedFont {
    const char* name;
    FontData data;
};

FontData sampleFont() {
    const std::string dir = SAMPLE_FONT_DIR;
    return parseFontFiles(readBytes(dir + "/fntdat.txt"), readBytes(dir + "/mojidat.txt"));
}

FontData randomFont() {
    std::mt19937 random(5);
    FontData data;
    char text[4];
    for (auto& glyph : data.cells) {
        for (std::string& cell : glyph) {
            std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(random() & 0xFF));
            cell = text;
        }
    }
    return data;
}

FontData debian5x8() {
    return importPcf(gunzip(readBytes("/usr/share/fonts/X11/misc/5x8.pcf.gz")), {}).data;
}

const std::vector<NamedFont>& fonts() {
    static const std::vector<NamedFont> all = {
        {"sample", sampleFont()}, {"random", randomFont()}, {"Debian 5x8", debian5x8()}};
    return all;
}

// The 96 glyphs side by side as the editor shows them: 8 lines of "#" and ".".
std::string shownByEditor(const FontData& data) {
    std::string rows;
    for (int row = 0; row < state::kGlyphRows; ++row) {
        for (int code = 0; code < kGlyphs; ++code) {
            const GlyphBytes columns = glyphBytes(data, code);
            for (int x = 0; x < kPitch; ++x) {
                rows += x < state::kGlyphColumns && dotLit(columns[x], row) ? '#' : '.';
            }
        }
        rows += '\n';
    }
    return rows;
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

// A canvas of the 96 glyphs, 8 pixels high, that the drawing programs print as the editor
// shows the font; a pixel off the canvas is reported, not drawn.
constexpr std::string_view kCanvas = R"(#include <stdio.h>
static unsigned char canvas[8][96 * 6];
static int off_canvas;
static void dot(int x, int y) {
    if (x < 0 || x >= 96 * 6 || y < 0 || y >= 8) off_canvas = 1;
    else canvas[y][x] = 1;
}
static void print_canvas(void) {
    int x, y;
    if (off_canvas) printf("off the canvas\n");
    for (y = 0; y < 8; ++y) {
        for (x = 0; x < 96 * 6; ++x) putchar(canvas[y][x] ? '#' : '.');
        putchar('\n');
    }
    for (y = 0; y < 8; ++y)
        for (x = 0; x < 96 * 6; ++x) canvas[y][x] = 0;
    off_canvas = 0;
}
)";

// u8g2's font format: a 23-byte header of bit widths and offsets, then glyphs of one code byte
// (two above 0xFF, past a lookup table) and a jump to the next, their fields packed from the
// least significant bit, signed ones offset by half their range; the box is drawn row after
// row from pairs of runs of background and foreground pixels, each pair followed by a bit that
// repeats it. u8g2_DrawGlyph(x, y) puts the box's bottom `y offset` rows above the baseline y.
constexpr std::string_view kU8g2Drawer = R"(
static const uint8_t *bits_at;
static unsigned bit_count;
static unsigned get_bits(unsigned n) {
    unsigned value = 0, i;
    for (i = 0; i < n; ++i, ++bit_count)
        value |= (unsigned)(bits_at[bit_count / 8] >> (bit_count % 8) & 1) << i;
    return value;
}
static int get_signed(unsigned n) { return (int)get_bits(n) - (1 << (n - 1)); }
static unsigned word(const uint8_t *at) { return (unsigned)at[0] << 8 | at[1]; }
static const uint8_t *find_glyph(const uint8_t *font, unsigned code) {
    const uint8_t *at = font + 23;
    if (code <= 0xFF) {
        if (code >= 'a') at += word(font + 19);
        else if (code >= 'A') at += word(font + 17);
        for (; at[1] != 0; at += at[1])
            if (at[0] == code) return at + 2;
    } else {
        const uint8_t *table = font + 23 + word(font + 21);
        unsigned last;
        at = table;
        do {
            at += word(table);
            last = word(table + 2);
            table += 4;
        } while (last < code);
        for (; word(at) != 0; at += at[2])
            if (word(at) == code) return at + 3;
    }
    return 0;
}
static void draw_glyph(const uint8_t *font, unsigned code, int x, int y) {
    unsigned w, h, done = 0, zeros, ones, i;
    int left, bottom;
    bits_at = find_glyph(font, code);
    bit_count = 0;
    if (!bits_at) { off_canvas = 1; return; }
    w = get_bits(font[4]);
    h = get_bits(font[5]);
    left = get_signed(font[6]);
    bottom = get_signed(font[7]);
    if (get_signed(font[8]) != 6) off_canvas = 1;
    if (w == 0) return;
    do {
        zeros = get_bits(font[2]);
        ones = get_bits(font[3]);
        do {
            done += zeros;
            for (i = 0; i < ones; ++i, ++done)
                dot(x + left + (int)(done % w), y - (int)h - bottom + (int)(done / w));
        } while (get_bits(1));
    } while (done < w * h);
}
static void draw_font(const uint8_t *font) {
    unsigned i;
    for (i = 0; i < 96; ++i) draw_glyph(font, FIRST + i, (int)i * 6, 7);
}
)";

// u8x8's tile font: first and last character, tiles across and down, then 8 bytes a tile,
// each a column with bit 0 the top pixel.
constexpr std::string_view kU8x8Drawer = R"(
static void draw_font(const uint8_t *font) {
    unsigned i, column, bit;
    if (font[0] != FIRST || font[1] != FIRST + 95 || font[2] != 1 || font[3] != 1)
        off_canvas = 1;
    for (i = 0; i < 96; ++i)
        for (column = 0; column < 8; ++column)
            for (bit = 0; bit < 8; ++bit)
                if (font[4 + i * 8 + column] >> bit & 1) dot((int)(i * 6 + column), (int)bit);
}
)";

// LVGL's structures as its lv_font.h and lv_font_fmt_txt.h declare them, 8.3 and 9.x apart
// where they differ, and its functions the font points to.
constexpr std::string_view kLvglCommon = R"(#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#define LV_ATTRIBUTE_LARGE_CONST
typedef struct {
    uint32_t bitmap_index : 20;
    uint32_t adv_w : 12;
    uint8_t box_w;
    uint8_t box_h;
    int8_t ofs_x;
    int8_t ofs_y;
} lv_font_fmt_txt_glyph_dsc_t;
typedef enum {
    LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL,
    LV_FONT_FMT_TXT_CMAP_SPARSE_FULL,
    LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY,
    LV_FONT_FMT_TXT_CMAP_SPARSE_TINY
} lv_font_fmt_txt_cmap_type_t;
typedef struct {
    uint32_t range_start;
    uint16_t range_length;
    uint16_t glyph_id_start;
    const uint16_t *unicode_list;
    const void *glyph_id_ofs_list;
    uint16_t list_length;
    lv_font_fmt_txt_cmap_type_t type;
} lv_font_fmt_txt_cmap_t;
enum { LV_FONT_SUBPX_NONE, LV_FONT_SUBPX_HOR, LV_FONT_SUBPX_VER, LV_FONT_SUBPX_BOTH };
typedef struct {
    uint16_t adv_w;
    uint16_t box_w;
    uint16_t box_h;
    int16_t ofs_x;
    int16_t ofs_y;
    uint8_t bpp;
} lv_font_glyph_dsc_t;
)";

constexpr std::string_view kLvgl8 = R"(#define LVGL_VERSION_MAJOR 8
#define LVGL_VERSION_MINOR 3
typedef struct {
    uint32_t last_letter;
    uint32_t last_glyph_id;
} lv_font_fmt_txt_glyph_cache_t;
typedef struct {
    const uint8_t *glyph_bitmap;
    const lv_font_fmt_txt_glyph_dsc_t *glyph_dsc;
    const lv_font_fmt_txt_cmap_t *cmaps;
    const void *kern_dsc;
    uint16_t kern_scale;
    uint16_t cmap_num : 9;
    uint16_t bpp : 4;
    uint16_t kern_classes : 1;
    uint16_t bitmap_format : 2;
    lv_font_fmt_txt_glyph_cache_t *cache;
} lv_font_fmt_txt_dsc_t;
typedef struct _lv_font_t {
    bool (*get_glyph_dsc)(const struct _lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
    const uint8_t *(*get_glyph_bitmap)(const struct _lv_font_t *, uint32_t);
    int16_t line_height;
    int16_t base_line;
    uint8_t subpx : 2;
    int8_t underline_position;
    int8_t underline_thickness;
    const void *dsc;
    const struct _lv_font_t *fallback;
    void *user_data;
} lv_font_t;
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *, uint32_t);
)";

constexpr std::string_view kLvgl9 = R"(#define LVGL_VERSION_MAJOR 9
#define LVGL_VERSION_MINOR 2
typedef struct _lv_draw_buf_t lv_draw_buf_t;
typedef struct {
    const uint8_t *glyph_bitmap;
    const lv_font_fmt_txt_glyph_dsc_t *glyph_dsc;
    const lv_font_fmt_txt_cmap_t *cmaps;
    const void *kern_dsc;
    uint16_t kern_scale;
    uint16_t cmap_num : 9;
    uint16_t bpp : 4;
    uint16_t kern_classes : 1;
    uint16_t bitmap_format : 2;
} lv_font_fmt_txt_dsc_t;
typedef struct _lv_font_t lv_font_t;
struct _lv_font_t {
    bool (*get_glyph_dsc)(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
    const void *(*get_glyph_bitmap)(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
    void (*release_glyph)(const lv_font_t *, lv_font_glyph_dsc_t *);
    int32_t line_height;
    int32_t base_line;
    uint8_t subpx : 2;
    uint8_t kerning : 1;
    uint8_t static_bitmap : 1;
    int8_t underline_position;
    int8_t underline_thickness;
    const void *dsc;
    const lv_font_t *fallback;
    void *user_data;
};
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
)";

// LVGL's format 0 "tiny" cmap gives glyph glyph_id_start + (letter - range_start); the glyph's
// box is ofs_y above the baseline, which lies base_line above the line's bottom; its bits run
// row after row from the most significant.
constexpr std::string_view kLvglDrawer = R"(
static void draw_font(const lv_font_t *font) {
    const lv_font_fmt_txt_dsc_t *dsc = font->dsc;
    unsigned i, row, column;
    if (font->line_height != 8 || font->base_line != 1 || dsc->bpp != 1 ||
        dsc->bitmap_format != 0 || dsc->cmap_num != 1 ||
        dsc->cmaps[0].type != LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY)
        off_canvas = 1;
    for (i = 0; i < 96; ++i) {
        const uint32_t letter = FIRST + i;
        const lv_font_fmt_txt_cmap_t *cmap = &dsc->cmaps[0];
        const lv_font_fmt_txt_glyph_dsc_t *glyph;
        const uint8_t *bits;
        unsigned at = 0;
        int top;
        if (letter < cmap->range_start || letter >= cmap->range_start + cmap->range_length) {
            off_canvas = 1;
            continue;
        }
        glyph = &dsc->glyph_dsc[cmap->glyph_id_start + (letter - cmap->range_start)];
        if (glyph->adv_w != 6 * 16) off_canvas = 1;
        bits = dsc->glyph_bitmap + glyph->bitmap_index;
        top = (font->line_height - font->base_line) - glyph->box_h - glyph->ofs_y;
        for (row = 0; row < glyph->box_h; ++row)
            for (column = 0; column < glyph->box_w; ++column, ++at)
                if (bits[at / 8] >> (7 - at % 8) & 1)
                    dot((int)(i * 6) + glyph->ofs_x + (int)column, top + (int)row);
    }
}
)";

constexpr std::string_view kLvglFunctions8 = R"(
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *f, lv_font_glyph_dsc_t *d, uint32_t l,
                                   uint32_t n) { (void)f; (void)d; (void)l; (void)n; return 0; }
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *f, uint32_t l) {
    (void)f; (void)l; return 0; }
)";

constexpr std::string_view kLvglFunctions9 = R"(
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *f, lv_font_glyph_dsc_t *d, uint32_t l,
                                   uint32_t n) { (void)f; (void)d; (void)l; (void)n; return 0; }
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *d, lv_draw_buf_t *b) {
    (void)d; (void)b; return 0; }
)";

struct Library {
    const char* what;
    std::string (*source)(const FontData&, const std::string&, int);
    int first;
    std::string header;  // written as lvgl/lvgl.h; none for u8g2 and u8x8
    std::string drawer;
    bool cxx;  // compiled alone as C++ too
};

std::vector<Library> libraries() {
    const std::string lvgl8 = std::string(kLvglCommon) + std::string(kLvgl8);
    const std::string lvgl9 = std::string(kLvglCommon) + std::string(kLvgl9);
    return {
        {"u8g2", u8g2Source, 32, "", std::string(kU8g2Drawer), true},
        // Characters past 0xFF go past u8g2's lookup table, in glyphs of two-byte codes.
        {"u8g2 from U+00C0", u8g2Source, 0xC0, "", std::string(kU8g2Drawer), false},
        {"u8x8", u8x8Source, 32, "", std::string(kU8x8Drawer), true},
        {"lvgl 8.3", lvglSource, 32, lvgl8, std::string(kLvglFunctions8) + std::string(kLvglDrawer),
         false},
        {"lvgl 9", lvglSource, 0x400, lvgl9,
         std::string(kLvglFunctions9) + std::string(kLvglDrawer), false},
    };
}

// Each export compiles alone with warnings as errors, and the library's drawing, written here
// from its description, draws every glyph as the editor shows it.
TEST(DisplayFonts, LibrariesDrawEveryGlyphAsTheEditorShowsIt) {
    const ScratchDirectory dir;
    const std::string at = dir.path().string() + '/';
    const std::string strict = " -Wall -Wextra -Werror -I" + at + " ";
    std::filesystem::create_directories(dir / "lvgl");
    for (const Library& library : libraries()) {
        SCOPED_TRACE(library.what);
        const bool lvgl = !library.header.empty();
        if (lvgl) writeBytes(dir / "lvgl/lvgl.h", library.header);
        // Each font in a file of its own, compiled alone, and one program drawing them all.
        std::string sources, program = "#define FIRST " + std::to_string(library.first) + "u\n" +
                                       (lvgl ? "#include \"lvgl/lvgl.h\"\n" : "#include <stdint.h>\n");
        std::string calls, expected;
        for (std::size_t i = 0; i < fonts().size(); ++i) {
            const std::string name = "my_font" + std::to_string(i);
            writeBytes(dir / (name + ".c"), library.source(fonts()[i].data, name, library.first));
            sources += at + name + ".c ";
            program += lvgl ? "extern const lv_font_t " + name + ";\n"
                            : "extern const uint8_t " + name + "[];\n";
            calls += "    draw_font(" + std::string(lvgl ? "&" : "") + name + ");\n    print_canvas();\n";
            expected += shownByEditor(fonts()[i].data);
        }
        writeBytes(dir / "draw.c", program + std::string(kCanvas) + library.drawer +
                                       "int main(void) {\n" + calls + "    return 0;\n}\n");
        if (library.cxx) {
            EXPECT_EQ(run("g++ -std=c++17 -x c++" + strict + "-c " + at + "my_font0.c -o " + at +
                          "font.o"),
                      0);
        }
        ASSERT_EQ(run("gcc -std=c99" + strict + sources + at + "draw.c -o " + at + "draw"), 0);
        ASSERT_EQ(run(at + "draw > " + at + "drawn.txt"), 0);
        EXPECT_EQ(readBytes(dir / "drawn.txt"), expected) << "fonts: sample, random, Debian 5x8";
    }
}

}  // namespace
}  // namespace fontedit::formats::display_fonts
