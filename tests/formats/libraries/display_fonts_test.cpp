// The display libraries' fonts, each checked by what is written here from the library's own
// description of its format: small drawing programs, compiled with the exported source, draw
// every glyph at its baseline as u8g2, u8x8 and LVGL do; and fonts laid out as the libraries'
// converters lay them out, with choices of their own, come in exactly.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "formats/common/font_bytes.h"
#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/libraries/library_decoders.h"
#include "formats/libraries/lvgl.h"
#include "formats/libraries/u8g2.h"
#include "formats/libraries/u8x8.h"
#include "formats/own/font_files.h"
#include "formats/three_fonts.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

// A namespace of its own: the test files are built as one unit.
namespace fontedit::formats::display_fonts {
namespace {

using state::Cause;
using namespace support;

constexpr int kGlyphs = state::kSavedCodes;
constexpr int kPitch = 6;  // a glyph's column and the blank one after it

// The 96 glyphs side by side as the editor shows them: 8 lines of "#" and ".".
std::string shownByEditor(const state::FontData& data) {
    std::string rows;
    for (int row = 0; row < state::kGlyphRows; ++row) {
        for (int code = 0; code < kGlyphs; ++code) {
            const state::GlyphBytes columns = glyphBytes(data, code);
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

// Each glyph drawn as u8g2_DrawGlyph(x, 7) draws it, on the canvas's baseline; each advances 6.
constexpr std::string_view kU8g2Glyph = R"(
static void draw_glyph(const uint8_t *font, unsigned code, int x, int y) {
    if (u8g2_draw(font, code, x, y) != 6) off_canvas = 1;
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
// by LVGL_VERSION_MAJOR where they differ, and its functions the font points to.
constexpr std::string_view kLvglCommon = R"(#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#define LV_ATTRIBUTE_LARGE_CONST
)";

constexpr std::string_view kLvglGlyph =
    R"(enum { LV_FONT_SUBPX_NONE, LV_FONT_SUBPX_HOR, LV_FONT_SUBPX_VER, LV_FONT_SUBPX_BOTH };
typedef struct {
    uint16_t adv_w;
    uint16_t box_w;
    uint16_t box_h;
    int16_t ofs_x;
    int16_t ofs_y;
    uint8_t bpp;
} lv_font_glyph_dsc_t;
)";

constexpr std::string_view kLvglFont = R"(#if LVGL_VERSION_MAJOR == 8
typedef struct {
    uint32_t last_letter;
    uint32_t last_glyph_id;
} lv_font_fmt_txt_glyph_cache_t;
#else
typedef struct _lv_draw_buf_t lv_draw_buf_t;
#endif
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
#if LVGL_VERSION_MAJOR == 8
    lv_font_fmt_txt_glyph_cache_t *cache;
#endif
} lv_font_fmt_txt_dsc_t;
typedef struct _lv_font_t lv_font_t;
struct _lv_font_t {
    bool (*get_glyph_dsc)(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
#if LVGL_VERSION_MAJOR == 8
    const uint8_t *(*get_glyph_bitmap)(const lv_font_t *, uint32_t);
    int16_t line_height;
    int16_t base_line;
    uint8_t subpx : 2;
#else
    const void *(*get_glyph_bitmap)(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
    void (*release_glyph)(const lv_font_t *, lv_font_glyph_dsc_t *);
    int32_t line_height;
    int32_t base_line;
    uint8_t subpx : 2;
    uint8_t kerning : 1;
    uint8_t static_bitmap : 1;
#endif
    int8_t underline_position;
    int8_t underline_thickness;
    const void *dsc;
    const lv_font_t *fallback;
    void *user_data;
};
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
#if LVGL_VERSION_MAJOR == 8
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *, uint32_t);
#else
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
#endif
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

constexpr std::string_view kLvglFunctions = R"(
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *f, lv_font_glyph_dsc_t *d, uint32_t l,
                                   uint32_t n) { (void)f; (void)d; (void)l; (void)n; return 0; }
#if LVGL_VERSION_MAJOR == 8
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *f, uint32_t l) {
    (void)f; (void)l; return 0; }
#else
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *d, lv_draw_buf_t *b) {
    (void)d; (void)b; return 0; }
#endif
)";

struct Library {
    const char* what;
    std::string (*source)(const state::FontData&, const std::string&, int);
    int first;
    std::string header;  // written as lvgl/lvgl.h; none for u8g2 and u8x8
    std::string drawer;
    bool cxx;  // compiled alone as C++ too
};

std::vector<Library> libraries() {
    const auto lvgl = [](const std::string& major, const std::string& minor) {
        return "#define LVGL_VERSION_MAJOR " + major + "\n#define LVGL_VERSION_MINOR " + minor +
               "\n" + std::string(kLvglCommon) + std::string(decoders::kLvglGlyphsAndMaps) +
               std::string(kLvglGlyph) + std::string(kLvglFont);
    };
    const std::string lvglDrawer = std::string(kLvglFunctions) + std::string(kLvglDrawer);
    const std::string u8g2 = std::string(decoders::kU8g2Drawer) + std::string(kU8g2Glyph);
    return {
        {"u8g2", u8g2Source, 32, "", u8g2, true},
        // Characters past 0xFF go past u8g2's lookup table, in glyphs of two-byte codes.
        {"u8g2 from U+00C0", u8g2Source, 0xC0, "", u8g2, false},
        {"u8x8", u8x8Source, 32, "", std::string(kU8x8Drawer), true},
        {"lvgl 8.3", lvglSource, 32, lvgl("8", "3"), lvglDrawer, false},
        {"lvgl 9", lvglSource, 0x400, lvgl("9", "2"), lvglDrawer, false},
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
        std::string sources,
            program = "#define FIRST " + std::to_string(library.first) + "u\n" +
                      (lvgl ? "#include \"lvgl/lvgl.h\"\n" : "#include <stdint.h>\n");
        std::string calls, expected;
        for (std::size_t i = 0; i < threeFonts().size(); ++i) {
            const std::string name = "my_font" + std::to_string(i);
            writeBytes(dir / (name + ".c"),
                       library.source(threeFonts()[i].data, name, library.first));
            sources += at + name + ".c ";
            program += lvgl ? "extern const lv_font_t " + name + ";\n"
                            : "extern const uint8_t " + name + "[];\n";
            calls += "    draw_font(" + std::string(lvgl ? "&" : "") + name +
                     ");\n    print_canvas();\n";
            expected += shownByEditor(threeFonts()[i].data);
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

// A glyph as a BDF font holds it: its box's size, where its bottom left dot lies from the
// origin on the baseline (y up), and its rows top first, "#" a lit dot.
struct SourceGlyph {
    long long encoding = 0;
    int left = 0, bottom = 0;
    std::vector<std::string> rows{};
    int width() const { return rows.empty() ? 0 : static_cast<int>(rows[0].size()); }
    int height() const { return static_cast<int>(rows.size()); }
};

// The glyphs of the font at `first` on, in whole 5 x 8 boxes with row 7 below the baseline,
// as a BDF font of the cell holds them, or trimmed to their lit dots.
std::vector<SourceGlyph> sourceGlyphs(const state::FontData& data, long long first, bool trim) {
    std::vector<SourceGlyph> glyphs;
    for (int code = 0; code < kGlyphs; ++code) {
        const state::GlyphBytes columns = glyphBytes(data, code);
        const auto [left, right, top, bottom] =
            trim ? decoders::litBox(columns) : decoders::LitBox{0, 4, 0, 7};
        SourceGlyph glyph{.encoding = first + code,
                          .left = right < 0 ? 0 : left,
                          .bottom = right < 0 ? 0 : 6 - bottom};
        for (int y = top; y <= bottom; ++y) {
            std::string row;
            for (int x = left; x <= right; ++x) row += dotLit(columns[x], y) ? '#' : '.';
            glyph.rows.push_back(row);
        }
        glyphs.push_back(glyph);
    }
    return glyphs;
}

// Every byte as a three-digit octal escape, in lines of 16.
std::string octalString(const std::string& bytes) {
    std::string text = "  \"";
    char escape[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(bytes[i]));
        text += escape;
        if (i % 16 == 15 && i + 1 < bytes.size()) text += "\"\n  \"";
    }
    return text + "\"";
}

// The choices a converter makes in writing a u8g2 font.
struct U8g2Choices {
    int bits0 = 4, bits1 = 4;  // the run-length bit widths
    bool repeats = false;      // whether a pair the same as the last is written as one bit
    int fieldBits = 0;         // the width of every glyph field; 0: the fewest that hold them
};

class LsbBits {
public:
    void put(long long value, int bits) {
        for (int bit = 0; bit < bits; ++bit, ++count_) {
            if (count_ % 8 == 0) bytes_ += '\0';
            if (value >> bit & 1)
                bytes_.back() = static_cast<char>(bytes_.back() | 1 << count_ % 8);
        }
    }
    std::string bytes_;

private:
    int count_ = 0;
};

// A u8g2 font as its description lays one out, with glyphs of codes up to 0xFF first, each
// with a jump to the next, ended by a jump of 0; then a lookup table of two blocks leading to
// the glyphs above 0xFF, ended by code 0.
std::string u8g2Font(const std::vector<SourceGlyph>& glyphs, const U8g2Choices& choices) {
    const auto fits = [](long long value, int bits, bool isSigned) {
        if (bits == 0) return value == 0;
        return isSigned ? value >= -(1LL << (bits - 1)) && value < (1LL << (bits - 1))
                        : value < (1LL << bits);
    };
    int widths[5] = {choices.fieldBits, choices.fieldBits, choices.fieldBits, choices.fieldBits,
                     choices.fieldBits};
    for (const SourceGlyph& glyph : glyphs) {
        const long long values[5] = {glyph.width(), glyph.height(), glyph.left, glyph.bottom, 6};
        for (int field = 0; field < 5; ++field) {
            while (!fits(values[field], widths[field], field >= 2)) ++widths[field];
        }
    }
    std::string header = {static_cast<char>(glyphs.size() & 0xFF), 0,
                          static_cast<char>(choices.bits0), static_cast<char>(choices.bits1)};
    for (const int width : widths) header += static_cast<char>(width);
    header += std::string("\5\10\0\377\7\377\7\377", 8) + std::string(6, '\0');
    std::string small, large;
    for (const SourceGlyph& glyph : glyphs) {
        LsbBits bits;
        const long long values[5] = {glyph.width(), glyph.height(), glyph.left, glyph.bottom, 6};
        for (int field = 0; field < 5; ++field) {
            const bool offset = field >= 2 && widths[field] > 0;
            bits.put(values[field] + (offset ? 1LL << (widths[field] - 1) : 0), widths[field]);
        }
        if (glyph.width() > 0) {
            std::string dots;
            for (const std::string& row : glyph.rows) dots += row;
            const long long most0 = (1 << choices.bits0) - 1, most1 = (1 << choices.bits1) - 1;
            std::vector<std::pair<long long, long long>> pairs;
            for (std::size_t at = 0; at < dots.size();) {
                long long off = 0, on = 0;
                while (at < dots.size() && dots[at] == '.' && off < most0) ++off, ++at;
                while (at < dots.size() && dots[at] == '#' && on < most1) ++on, ++at;
                pairs.emplace_back(off, on);
            }
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                if (choices.repeats && i > 0 && pairs[i] == pairs[i - 1]) {
                    bits.put(1, 1);
                    continue;
                }
                if (i > 0) bits.put(0, 1);
                bits.put(pairs[i].first, choices.bits0);
                bits.put(pairs[i].second, choices.bits1);
            }
            bits.put(0, 1);
        }
        std::string record;
        if (glyph.encoding > 0xFF) record += static_cast<char>(glyph.encoding >> 8);
        record += static_cast<char>(glyph.encoding & 0xFF);
        record += static_cast<char>(record.size() + 1 + bits.bytes_.size());
        (glyph.encoding > 0xFF ? large : small) += record + bits.bytes_;
    }
    small += std::string(2, '\0');
    const std::size_t table = small.size();
    header[21] = static_cast<char>(table >> 8), header[22] = static_cast<char>(table & 0xFF);
    // Two blocks: the first reaches to U+0100 and holds nothing, the second to the end.
    const std::string lookup = {0, 8, 1, 0, 0, 0, '\377', '\377'};
    return header + small + lookup + large + std::string(2, '\0');
}

std::string u8g2ConverterSource(const std::string& font) {
    return "/*\n  Fontname: -Misc-Fixed-Medium-R-Normal--8-80-75-75-C-50-ISO10646-1\n"
           "  Glyphs: 96/96\n  BBX Build Mode: 0\n*/\n"
           "const uint8_t u8g2_font_test_tf[" +
           std::to_string(font.size()) + "] U8G2_FONT_SECTION(\"u8g2_font_test_tf\") = \n" +
           octalString(font.substr(0, font.size() - 1)) + ";\n";
}

void expectGlyphs(const ImportedFont& font, const state::FontData& expected) {
    for (int code = 0; code < kGlyphs; ++code) {
        EXPECT_EQ(glyphBytes(font.data, code), glyphBytes(expected, code)) << code;
    }
}

// Fonts as u8g2's converter writes them from any BDF font, with other bit widths, boxes and
// glyphs past the 96, come in exactly; a glyph past the cell needs --crop.
TEST(DisplayFonts, U8g2FontsOfTheConverterComeIn) {
    for (const NamedFont& font : threeFonts()) {
        SCOPED_TRACE(font.name);
        std::vector<SourceGlyph> glyphs = sourceGlyphs(font.data, 32, false);
        // Glyphs the 96 do not take: Latin-1 and one past the lookup table.
        for (long long encoding : {0xA0LL, 0xFFLL, 0x2588LL}) {
            glyphs.push_back({.encoding = encoding,
                              .left = 0,
                              .bottom = -1,
                              .rows = std::vector<std::string>(8, "#####")});
        }
        for (const U8g2Choices& choices :
             {U8g2Choices{}, U8g2Choices{.bits0 = 2, .bits1 = 1, .repeats = true, .fieldBits = 6},
              U8g2Choices{.bits0 = 7, .bits1 = 2, .repeats = true}}) {
            const std::string source = u8g2ConverterSource(u8g2Font(glyphs, choices));
            ASSERT_EQ(detectFormat(source), ImportFormat::U8g2);
            expectGlyphs(importFont(ImportFormat::U8g2, source, {}), font.data);
        }
        const std::string trimmed =
            u8g2ConverterSource(u8g2Font(sourceGlyphs(font.data, 0x400, true), {.repeats = true}));
        expectGlyphs(importFont(ImportFormat::U8g2, trimmed, {}), font.data);
    }
    // A glyph a dot wider than the cell, and one a dot deeper.
    const state::FontData sample = threeFonts().front().data;
    std::vector<SourceGlyph> glyphs = sourceGlyphs(sample, 32, true);
    glyphs['A' - 32].rows.assign(3, "######");
    glyphs['g' - 32].bottom = -2;
    const std::string source = u8g2ConverterSource(u8g2Font(glyphs, {}));
    expectFailure([&] { importFont(ImportFormat::U8g2, source, {}); }, state::Cause::GlyphTooLarge,
                  {.code = 'A' - 32, .value = "U+0041"});
    const ImportedFont cropped = importFont(ImportFormat::U8g2, source, {.crop = true});
    EXPECT_EQ(glyphBytes(cropped.data, 'A' - 32),
              (state::GlyphBytes{0x70, 0x70, 0x70, 0x70, 0x70}));
    const ImportNote note{.kind = ImportNote::Kind::GlyphsCropped, .count = 2};
    EXPECT_EQ(cropped.notes, std::vector<ImportNote>{note});
}

// The export is as small as the smallest font a converter could make from the same glyphs,
// trimmed to their dots, at any run-length bit widths: 7 bits and more only lengthen a pair,
// since no run of the cell is longer than 40.
TEST(DisplayFonts, U8g2ExportIsTheSmallest) {
    for (const NamedFont& font : threeFonts()) {
        SCOPED_TRACE(font.name);
        const std::vector<SourceGlyph> glyphs = sourceGlyphs(font.data, 32, true);
        std::size_t smallest = SIZE_MAX;
        for (int bits0 = 1; bits0 <= 7; ++bits0) {
            for (int bits1 = 1; bits1 <= 7; ++bits1) {
                smallest = std::min(smallest, u8g2Font(glyphs, {bits0, bits1, true}).size());
            }
        }
        // Less the second block of the converter's table to the glyphs above 0xFF: the
        // export's one block reaches to the end.
        EXPECT_EQ(u8g2FontData(font.data, 32).size(), smallest - 4);
    }
}

// u8x8 fonts as u8g2's converter writes them: tiles of 8 column bytes, a glyph's tiles row
// after row; a font of 2 x 2 tiles comes in when its glyphs keep to the cell.
TEST(DisplayFonts, U8x8FontsOfTheConverterComeIn) {
    const auto source = [](int first, int last, int across, int down,
                           const std::vector<std::string>& glyphs) {
        std::string font = {static_cast<char>(first), static_cast<char>(last),
                            static_cast<char>(across), static_cast<char>(down)};
        for (const std::string& glyph : glyphs) font += glyph;
        return "const uint8_t u8x8_font_test_r[" + std::to_string(font.size() + 1) +
               "] U8X8_FONT_SECTION(\"u8x8_font_test_r\") = \n" + octalString(font) + ";\n";
    };
    for (const NamedFont& font : threeFonts()) {
        SCOPED_TRACE(font.name);
        std::vector<std::string> single, quad;
        for (int code = 0; code < kGlyphs; ++code) {
            const state::GlyphBytes columns = glyphBytes(font.data, code);
            std::string tile(columns.begin(), columns.end());
            tile += std::string(3, '\0');
            single.push_back(tile);
            quad.push_back(tile + std::string(24, '\0'));
        }
        const std::string ones = source(32, 127, 1, 1, single);
        ASSERT_EQ(detectFormat(ones), ImportFormat::U8x8);
        expectGlyphs(importFont(ImportFormat::U8x8, ones, {}), font.data);
        expectGlyphs(importFont(ImportFormat::U8x8, source(32, 127, 2, 2, quad), {}), font.data);
        // From a BDF of 32-126 the last glyph is missing.
        single.pop_back();
        const ImportedFont short95 =
            importFont(ImportFormat::U8x8, source(32, 126, 1, 1, single), {});
        EXPECT_EQ(short95.notes.back(),
                  (ImportNote{.kind = ImportNote::Kind::EncodingMissing, .code = 127}));
    }
    // A dot in the tile right of the first, and one in the tile under it.
    std::vector<std::string> quad(96, std::string(32, '\0'));
    quad[1][8] = 1;
    quad[2][16] = 1;
    quad[2][0] = 0x7F;
    const std::string wide = source(32, 127, 2, 2, quad);
    expectFailure([&] { importFont(ImportFormat::U8x8, wide, {}); }, state::Cause::GlyphTooLarge,
                  {.code = 1, .value = "33"});
    const ImportedFont cropped = importFont(ImportFormat::U8x8, wide, {.crop = true});
    EXPECT_EQ(glyphBytes(cropped.data, 2), (state::GlyphBytes{0x7F, 0, 0, 0, 0}));
    EXPECT_EQ(cropped.notes.front(),
              (ImportNote{.kind = ImportNote::Kind::GlyphsCropped, .count = 2}));
}

class MsbBits {
public:
    void put(unsigned value, int bits) {
        for (int bit = bits - 1; bit >= 0; --bit, ++count_) {
            if (count_ % 8 == 0) bytes.push_back(0);
            if (value >> bit & 1)
                bytes.back() = static_cast<std::uint8_t>(bytes.back() | 0x80 >> count_ % 8);
        }
    }
    std::vector<std::uint8_t> bytes;

private:
    int count_ = 0;
};

// LVGL's converter's compression as its font format's description gives it: a pixel passes as
// it is; one repeating the last passes too and starts a run, whose further repeats are 1 bits,
// ended by a 0 bit; the 11th 1 bit is followed by a 6-bit count of the repeats from it on, at
// most 63, and what follows is a pixel as it is again.
void compress(MsbBits& out, const std::vector<unsigned>& pixels, int bpp) {
    for (std::size_t at = 0; at < pixels.size();) {
        out.put(pixels[at], bpp);
        if (at + 1 == pixels.size() || pixels[at + 1] != pixels[at]) {
            ++at;
            continue;
        }
        out.put(pixels[at + 1], bpp);
        std::size_t end = at + 2;
        while (end < pixels.size() && pixels[end] == pixels[at]) ++end;
        const std::size_t repeats = end - (at + 2);
        if (repeats <= 10) {
            for (std::size_t i = 0; i < repeats; ++i) out.put(1, 1);
            out.put(0, 1);
            at = end;
            continue;
        }
        out.put(0x7FF, 11);
        const std::size_t counted = std::min<std::size_t>(repeats - 10, 63);
        out.put(static_cast<unsigned>(counted), 6);
        at += 2 + 10 + counted;
    }
}

// The compression follows the converter's own published examples.
TEST(DisplayFonts, LvglCompressionAsTheConverterPublishesIt) {
    const auto compressed = [](std::vector<unsigned> pixels, int bpp) {
        MsbBits bits;
        compress(bits, pixels, bpp);
        return bits.bytes;
    };
    EXPECT_EQ(compressed({1, 3, 3, 3, 1}, 4), (std::vector<std::uint8_t>{0x13, 0x38, 0x40}));
    std::vector<unsigned> fifteen(15, 0), seventySeven(77, 0);
    fifteen.back() = 3;
    seventySeven.back() = 3;
    EXPECT_EQ(compressed(fifteen, 2), (std::vector<std::uint8_t>{0x0F, 0xFE, 0x16}));
    EXPECT_EQ(compressed(seventySeven, 2), (std::vector<std::uint8_t>{0x0F, 0xFF, 0xF9, 0x80}));
}

// An LVGL font as its converter writes one at 1 bit a pixel, every glyph trimmed to its dots:
// plain, or compressed with the rows XORed with the ones above first; the characters in a
// range and a sparse list, or in one range whose glyphs are listed backwards.
std::string lvglConverterSource(const state::FontData& data, bool compressed, bool backwards) {
    std::string bitmap, descriptions;
    std::size_t index = 0;
    std::vector<int> order(kGlyphs);
    for (int i = 0; i < kGlyphs; ++i) order[i] = backwards ? kGlyphs - 1 - i : i;
    const std::vector<SourceGlyph> glyphs = sourceGlyphs(data, 32, true);
    for (const int code : order) {
        const SourceGlyph& glyph = glyphs[code];
        std::vector<unsigned> pixels;
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                const unsigned dot = glyph.rows[y][x] == '#';
                const unsigned above = y > 0 && glyph.rows[y - 1][x] == '#';
                pixels.push_back(compressed ? dot ^ above : dot);
            }
        }
        MsbBits bits;
        if (compressed) {
            compress(bits, pixels, 1);
        } else {
            for (const unsigned pixel : pixels) bits.put(pixel, 1);
        }
        char line[160];
        std::snprintf(line, sizeof line,
                      "    {.bitmap_index = %zu, .adv_w = 96, .box_w = %d, .box_h = %d, .ofs_x = "
                      "%d, .ofs_y = %d},\n",
                      index, glyph.width(), glyph.height(), glyph.left, glyph.bottom);
        descriptions += line;
        bitmap += "\n    /* U+" + std::to_string(glyph.encoding) + " */\n    ";
        for (const std::uint8_t byte : bits.bytes) {
            std::snprintf(line, sizeof line, "0x%x, ", byte);
            bitmap += line;
        }
        index += bits.bytes.size();
    }
    std::string cmaps;
    if (backwards) {
        std::string offsets;
        for (int i = 0; i < kGlyphs; ++i) offsets += std::to_string(kGlyphs - 1 - i) + ", ";
        cmaps = "static const uint8_t glyph_id_ofs_list_0[] = {\n    " + offsets +
                "\n};\n\nstatic const lv_font_fmt_txt_cmap_t cmaps[] =\n{\n    {\n"
                "        .range_start = 32, .range_length = 96, .glyph_id_start = 1,\n"
                "        .unicode_list = NULL, .glyph_id_ofs_list = glyph_id_ofs_list_0, "
                ".list_length = 96, .type = LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL\n    }\n};\n";
    } else {
        std::string list;
        for (int i = 0; i < 48; ++i) list += std::to_string(i) + ", ";
        cmaps = "static const uint16_t unicode_list_1[] = {\n    " + list +
                "\n};\n\nstatic const lv_font_fmt_txt_cmap_t cmaps[] =\n{\n    {\n"
                "        .range_start = 32, .range_length = 48, .glyph_id_start = 1,\n"
                "        .unicode_list = NULL, .glyph_id_ofs_list = NULL, .list_length = 0, "
                ".type = LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY\n    },\n    {\n"
                "        .range_start = 80, .range_length = 48, .glyph_id_start = 49,\n"
                "        .unicode_list = unicode_list_1, .glyph_id_ofs_list = NULL, "
                ".list_length = 48, .type = LV_FONT_FMT_TXT_CMAP_SPARSE_TINY\n    }\n};\n";
    }
    return "/*****\n * Size: 8 px\n * Bpp: 1\n * Opts: --bpp 1 --size 8 --font 5x8.bdf -r "
           "0x20-0x7F --format lvgl -o test_font.c\n *****/\n\n"
           "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n#include "
           "\"lvgl/lvgl.h\"\n#endif\n\n#ifndef TEST_FONT\n#define TEST_FONT 1\n#endif\n\n"
           "#if TEST_FONT\n\n"
           "static LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {" +
           bitmap +
           "\n};\n\nstatic const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {\n"
           "    {.bitmap_index = 0, .adv_w = 0, .box_w = 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0} "
           "/* id = 0 reserved */,\n" +
           descriptions + "};\n\n" + cmaps +
           "\n#if LVGL_VERSION_MAJOR == 8\nstatic  lv_font_fmt_txt_glyph_cache_t cache;\n#endif\n\n"
           "#if LVGL_VERSION_MAJOR >= 8\nstatic const lv_font_fmt_txt_dsc_t font_dsc = {\n#else\n"
           "static lv_font_fmt_txt_dsc_t font_dsc = {\n#endif\n"
           "    .glyph_bitmap = glyph_bitmap,\n    .glyph_dsc = glyph_dsc,\n    .cmaps = cmaps,\n"
           "    .kern_dsc = NULL,\n    .kern_scale = 0,\n    .cmap_num = " +
           std::string(backwards ? "1" : "2") +
           ",\n    .bpp = 1,\n    .kern_classes = 0,\n    .bitmap_format = " +
           (compressed ? "1" : "0") +
           ",\n#if LVGL_VERSION_MAJOR == 8\n    .cache = &cache\n#endif\n};\n\n"
           "#if LVGL_VERSION_MAJOR >= 8\nconst lv_font_t test_font = {\n#else\n"
           "lv_font_t test_font = {\n#endif\n"
           "    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,\n"
           "    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,\n"
           "    .line_height = 8,\n    .base_line = 1,\n"
           "#if !(LVGL_VERSION_MAJOR == 6 && LVGL_VERSION_MINOR == 0)\n"
           "    .subpx = LV_FONT_SUBPX_NONE,\n#endif\n"
           "#if LV_VERSION_CHECK(7, 4, 0) || LVGL_VERSION_MAJOR >= 8\n"
           "    .underline_position = -1,\n    .underline_thickness = 0,\n#endif\n"
           "    .dsc = &font_dsc,\n"
           "#if LV_VERSION_CHECK(8, 2, 0) || LVGL_VERSION_MAJOR >= 9\n    .fallback = "
           "NULL,\n#endif\n"
           "    .user_data = NULL,\n};\n\n#endif /*#if TEST_FONT*/\n";
}

TEST(DisplayFonts, LvglFontsOfTheConverterComeIn) {
    for (const NamedFont& font : threeFonts()) {
        for (const bool compressed : {false, true}) {
            for (const bool backwards : {false, true}) {
                SCOPED_TRACE(std::string(font.name) + (compressed ? ", compressed" : "") +
                             (backwards ? ", backwards" : ""));
                const std::string source = lvglConverterSource(font.data, compressed, backwards);
                ASSERT_EQ(detectFormat(source), ImportFormat::Lvgl);
                expectGlyphs(importFont(ImportFormat::Lvgl, source, {}), font.data);
            }
        }
    }
}

// What an LVGL font declares is checked against what it holds before anything is walked: a
// font cut short, a range past its fields' widths or its glyphs, and a part of it that only
// the compiler's headers decide, each refused at once.
TEST(DisplayFonts, LvglFontsThatDoNotHoldWhatTheyDeclareAreRefused) {
    const std::string whole = lvglConverterSource(threeFonts()[0].data, true, false);
    const auto replaced = [&](std::string_view from, const std::string& to) {
        std::string source = whole;
        source.replace(source.find(from), from.size(), to);
        return source;
    };
    const std::string range = ".range_start = 32, .range_length = 48, .glyph_id_start = 1,";
    std::string manyRanges;
    for (int i = 0; i < 10'000; ++i) manyRanges += "{.range_length = 65535, .type = 2},";
    const struct {
        const char* what;
        std::string source;
        Cause cause = Cause::LibraryFontDamaged;
        std::string value = "LVGL";
    } cases[] = {
        {"a compressed font cut before its format", whole.substr(0, whole.find(".bitmap_format"))},
        {"a range of 2^32 characters from glyph -2^32",
         replaced(range,
                  ".range_start = 32, .range_length = 4294967295, .glyph_id_start = -4294967295,")},
        {"a range past the glyphs the font has",
         replaced(range, ".range_start = 32, .range_length = 60000, .glyph_id_start = 1,")},
        {"10,000 ranges of 65,535 glyphs",
         replaced("static const lv_font_fmt_txt_cmap_t cmaps[] =\n{",
                  "static const lv_font_fmt_txt_cmap_t cmaps[] =\n{" + manyRanges)},
        {"glyphs under a header's condition",
         replaced("static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[]",
                  "#if LV_VERSION_CHECK(9, 0, 0)\n#endif\n"
                  "#if LV_VERSION_CHECK(8, 0, 0)\nstatic const lv_font_fmt_txt_glyph_dsc_t "
                  "other[] = {{0}};\n#else\nstatic const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[]"),
         Cause::ConditionUndecided, "#if LV_VERSION_CHECK(8, 0, 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto start = std::chrono::steady_clock::now();
        try {
            importFont(ImportFormat::Lvgl, c.source, {});
            ADD_FAILURE() << "taken";
        } catch (const state::Failure& failure) {
            EXPECT_EQ(failure.cause(), c.cause);
            EXPECT_EQ(failure.facts().value, c.value);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
}

}  // namespace
}  // namespace fontedit::formats::display_fonts
