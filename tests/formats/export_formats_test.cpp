#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/export_formats.h"
#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/libraries/lvgl.h"
#include "formats/libraries/u8g2.h"
#include "formats/libraries/u8x8.h"
#include "formats/png/png_render.h"
#include "formats/tables/c_source_export.h"
#include "formats/x11/bdf_export.h"
#include "pictures/display_looks.h"
#include "pictures/dot_canvas.h"
#include "pictures/text_canvas.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {
using namespace fontedit::pictures;

using support::expectFailure;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

using state::GlyphLayout;

// The byte each cell of patternFont() holds.
unsigned patternByte(int code, int column) {
    return (code * 37 + column * 11) & 0xFF;
}

// Every cell a different byte, written in the forms the editor accepts; labels that would
// break a C comment if written as they stand.
state::FontData patternFont() {
    state::FontData data;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= 5; ++column) {
            char text[8];
            std::snprintf(text, sizeof text,
                          code % 3 == 0   ? "%X"
                          : code % 3 == 1 ? "%02x"
                                          : " %X",
                          patternByte(code, column));
            data.cells[code][column - 1] = patternByte(code, column) == 0 ? "" : text;
        }
        data.labels[code] = std::string(1, static_cast<char>(0x20 + code));
    }
    data.labels[1] = "*/ x";
    data.labels[2] = "end\\";
    data.labels[3] = "two\nlines\r";
    data.labels[4] = "/* nested";
    data.labels[5] =
        "\xE2\x80\xAE"
        "rlo";
    data.labels[6] = "\x1B[31m\x07";
    data.labels[7] = "?\?/";
    data.labels[8] = "\xFF\xFE";
    data.labels[9] = "あ";
    return data;
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

// What the layout makes of patternFont(): one line of hex bytes per glyph.
std::string expectedTable(const CSourceOptions& options) {
    std::string table;
    char hex[8];
    for (int code = 0; code < state::kSavedCodes; ++code) {
        if (options.layout == GlyphLayout::Rows) {
            for (int row = 0; row < 8; ++row) {
                unsigned bits = 0;
                for (int column = 1; column <= 5; ++column) {
                    bits = bits << 1 | (patternByte(code, column) >> row & 1);
                }
                std::snprintf(hex, sizeof hex, "%02X ", bits);
                table += hex;
            }
        } else {
            for (int column = 1; column <= 5; ++column) {
                unsigned byte = patternByte(code, column);
                if (options.msbTop) {
                    unsigned reversed = 0;
                    for (int bit = 0; bit < 8; ++bit) reversed |= (byte >> bit & 1) << (7 - bit);
                    byte = reversed;
                }
                std::snprintf(hex, sizeof hex, "%02X ", byte);
                table += hex;
            }
        }
        table += '\n';
    }
    return table;
}

// The C source compiles as it stands in C99 and C++17 with warnings as errors, and a program
// built from it reads back every byte of the font.
TEST(CSourceBytes, CompilesAndHoldsEveryByte) {
    const CSourceOptions cases[] = {
        {},
        {"lcd_cgram", GlyphLayout::Rows, false, false},
        {"Font", GlyphLayout::Columns, true, false},
        {"font5x8", GlyphLayout::Columns, false, true},
    };
    const state::FontData data = patternFont();
    for (const CSourceOptions& options : cases) {
        const ScratchDirectory dir;
        writeBytes(dir / "font.c", cSourceBytes(data, options));
        const int width = options.layout == GlyphLayout::Rows ? 8 : 5;
        writeBytes(dir / "print.c", "#include <stdio.h>\nextern const unsigned char " +
                                        options.name + "[96][" + std::to_string(width) +
                                        "];\nint main(void) {\n  for (int i = 0; i < 96; ++i) {\n"
                                        "    for (int j = 0; j < " +
                                        std::to_string(width) + "; ++j) printf(\"%02X \", " +
                                        options.name +
                                        "[i][j]);\n    printf(\"\\n\");\n  }\n  return 0;\n}\n");
        const std::string at = dir.path().string() + '/';
        const std::string strict = " -Wall -Wextra -Werror -pedantic ";
        EXPECT_EQ(run("gcc -std=c99" + strict + at + "font.c " + at + "print.c -o " + at + "print"),
                  0)
            << options.name;
        EXPECT_EQ(run("g++ -std=c++17 -x c++" + strict + "-c " + at + "font.c -o " + at + "font.o"),
                  0)
            << options.name;
        EXPECT_EQ(run(at + "print > " + at + "table.txt"), 0) << options.name;
        EXPECT_EQ(readBytes(dir / "table.txt"), expectedTable(options)) << options.name;
    }
}

TEST(CSourceBytes, KeepsCodeAndLabelInTheRowsComment) {
    const std::string source = cSourceBytes(patternFont(), {});
    for (const char* row : {
             "}, /* 0 \" \" */\n",
             "}, /* 1 \"*\\x2F x\" */\n",
             "}, /* 2 \"end\\\\\" */\n",
             "}, /* 3 \"two\\x0Alines\\x0D\" */\n",
             "}, /* 4 \"/\\x2A nested\" */\n",
             "}, /* 5 \"\\u202Erlo\" */\n",
             "}, /* 8 \"\\xFF\\xFE\" */\n",
             "}, /* 9 \"あ\" */\n",
             "}  /* 95 \"\\x7F\" */\n",
         }) {
        EXPECT_NE(source.find(row), std::string::npos) << row;
    }
}

// Every format that writes bytes refuses a cell that is not one, naming code and column.
TEST(FontBytes, RefuseCellsThatAreNotBytes) {
    struct Case {
        std::string cell;
        std::function<void(const state::FontData&)> format;
    };
    const Case cases[] = {
        {"G1", [](const state::FontData& data) { cSourceBytes(data, {}); }},
        {"1FF", [](const state::FontData& data) { bdfBytes(data); }},
        {"0x7", [](const state::FontData& data) { binaryBytes(data); }},
        {"-1", [](const state::FontData& data) { sheetPng(data); }},
    };
    for (const Case& c : cases) {
        state::FontData data = patternFont();
        data.cells[42][3] = c.cell;
        expectFailure([&] { c.format(data); }, state::Cause::CellNotAByte,
                      {.code = 42, .column = 4});
    }
    EXPECT_EQ(cellByte(" 7 f", 0, 1), 0x7F);
    EXPECT_EQ(binaryBytes(patternFont()).size(), 480u);
}

// bdftopcf accepts the font and pcf2bdf gives back the same bytes.
TEST(BdfBytes, ComesBackUnchangedThroughPcf) {
    state::FontData data = patternFont();
    data.labels[33] = "A";
    data.labels[34] = "A";
    data.labels[35] = "char99";
    for (const int first : {32, 0, 0x2500}) {
        const ScratchDirectory dir;
        const std::string bdf = bdfBytes(data, first);
        writeBytes(dir / "font.bdf", bdf);
        const std::string at = dir.path().string() + '/';
        ASSERT_EQ(run("bdftopcf -o " + at + "font.pcf " + at + "font.bdf"), 0) << first;
        ASSERT_EQ(run("pcf2bdf -o " + at + "back.bdf " + at + "font.pcf"), 0) << first;
        EXPECT_EQ(readBytes(dir / "back.bdf"), bdf) << first;
        const std::string second = "STARTCHAR A\nENCODING " + std::to_string(first + 33) + "\n";
        const std::string clash = "STARTCHAR char" + std::to_string(first + 34) + "\n";
        EXPECT_NE(bdf.find(second), std::string::npos) << first;
        EXPECT_NE(bdf.find(clash), std::string::npos) << first;
        EXPECT_EQ(bdf.find("STARTCHAR char99\n"), std::string::npos) << first;
    }
    // Column bytes 1, 0, 0x80, 0, 0xFF: the top dot of column 1, the bottom one (below the
    // baseline) of column 3, all of column 5.
    data.cells[0] = {"1", "", "80", "0", "FF"};
    const std::string bdf = bdfBytes(data);
    EXPECT_NE(bdf.find("DWIDTH 6 0\nBBX 6 8 0 -1\nBITMAP\n88\n08\n08\n08\n08\n08\n08\n28\nENDCHAR"),
              std::string::npos);
}

struct Picture {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> rgb;

    bool lit(unsigned x, unsigned y) const {
        const unsigned char* pixel = &rgb[(y * width + x) * 3];
        return pixel[0] == 255 && pixel[1] == 8 && pixel[2] == 0;
    }
};

Picture decoded(const std::string& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
    image.format = PNG_FORMAT_RGB;
    Picture picture{image.width, image.height, std::vector<unsigned char>(PNG_IMAGE_SIZE(image))};
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr));
    return picture;
}

// Whatever export writes, import reads back with no options, every byte in its place.
TEST(ExportImport, EveryExportComesBackUnchanged) {
    state::FontData written = patternFont();
    // A newline first, and the columns of a GLCD header of a proportional font: 2 glyphs, 8
    // rows high, 255 and 217 columns wide, which 480 bytes hold to the byte.
    written.cells[0] = {"A", "20", "5", "8", "0"};
    written.cells[1][0] = "2";
    written.cells[1][1] = "FF";
    written.cells[1][2] = "D9";
    struct Case {
        const char* what;
        std::string bytes;
        ImportFormat format;
        std::vector<int> codes = allGlyphCodes();  // the glyphs written, in order; then empty ones
    };
    const auto c = [&](CSourceOptions options) { return cSourceBytes(written, options); };
    const auto display = [&](ExportFormat format, const ExportSettings& settings) {
        return exportBytes(format, written, settings);
    };
    const std::vector<int> cgram = {0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<int> scattered = {33, 65, 66, 67, 68, 69, 70, 16};
    const Case cases[] = {
        {"c columns", c({}), ImportFormat::C},
        {"c columns, msb top, progmem", c({.msbTop = true, .progmem = true}), ImportFormat::C},
        {"c columns, msb top", c({.name = "g5x8", .msbTop = true}), ImportFormat::C},
        {"c rows", c({.name = "cgram", .layout = GlyphLayout::Rows}), ImportFormat::C},
        {"c rows, progmem", c({.layout = GlyphLayout::Rows, .progmem = true}), ImportFormat::C},
        {"c columns, progmem", c({.name = "_f", .progmem = true}), ImportFormat::C},
        {"bdf from 32", bdfBytes(written), ImportFormat::Bdf},
        {"bdf from 0", bdfBytes(written, 0), ImportFormat::Bdf},
        {"bdf from 0xA0", bdfBytes(written, 0xA0), ImportFormat::Bdf},
        {"bdf at the last first", bdfBytes(written, kLastFirstEncoding), ImportFormat::Bdf},
        {"c rows, codes 0-7", c({.layout = GlyphLayout::Rows, .codes = cgram}), ImportFormat::C,
         cgram},
        {"c columns, msb top, codes 33,65-70,16", c({.msbTop = true, .codes = scattered}),
         ImportFormat::C, scattered},
        {"bin", binaryBytes(written), ImportFormat::Bin},
        {"png sheet at scale 1", sheetPng(written, 1), ImportFormat::Png},
        {"png sheet at scale 3", sheetPng(written, 3), ImportFormat::Png},
        {"png sheet at scale 4", sheetPng(written), ImportFormat::Png},
        {"u8g2", u8g2Source(written, "u8g2_font_5x8", 32), ImportFormat::U8g2},
        {"u8g2 from 0xC0, past the 8-bit codes", u8g2Source(written, "f", 0xC0),
         ImportFormat::U8g2},
        {"u8g2 at the last first", u8g2Source(written, "f", kLastFirstEncoding),
         ImportFormat::U8g2},
        {"u8x8", u8x8Source(written, "u8x8_font_5x8", 32), ImportFormat::U8x8},
        {"u8x8 from 0", u8x8Source(written, "f", 0), ImportFormat::U8x8},
        {"lvgl", lvglSource(written, "font_5x8", 32), ImportFormat::Lvgl},
        {"lvgl from 0x400", lvglSource(written, "f", 0x400), ImportFormat::Lvgl},
        {"c rows, msb left", c({.layout = GlyphLayout::Rows, .msbLeft = true}), ImportFormat::C},
        {"gfxfont", display(ExportFormat::GfxFont, {}), ImportFormat::GfxFont},
        {"gfxfont from 0", display(ExportFormat::GfxFont, {.first = 0}), ImportFormat::GfxFont},
        {"glcdfont", display(ExportFormat::GlcdFont, {}), ImportFormat::C},
        {"glcdfont from 0", display(ExportFormat::GlcdFont, {.first = 0}), ImportFormat::C},
        {"glcdfont from 160", display(ExportFormat::GlcdFont, {.first = 160}), ImportFormat::C},
        {"max72xx", display(ExportFormat::Max72xx, {}), ImportFormat::C},
        {"max72xx from 0", display(ExportFormat::Max72xx, {.first = 0}), ImportFormat::C},
        {"hd44780", display(ExportFormat::Hd44780, {}), ImportFormat::C, cgram},
        {"hd44780, codes 33,65-70,16", display(ExportFormat::Hd44780, {.c = {.codes = scattered}}),
         ImportFormat::C, scattered},
        {"hd44780, every glyph", display(ExportFormat::Hd44780, {.c = {.codes = allGlyphCodes()}}),
         ImportFormat::C},
        {"psf from 32", psfBytes(written), ImportFormat::Psf},
        {"psf from 0xA0", psfBytes(written, 0xA0), ImportFormat::Psf},
        {"psf at the last first", psfBytes(written, kLastFirstEncoding), ImportFormat::Psf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(detectFormat(c.bytes), c.format);
        const ImportedFont font = importFont(c.format, c.bytes, {});
        for (int code = 0; code < state::kSavedCodes; ++code) {
            const auto index = static_cast<std::size_t>(code);
            EXPECT_EQ(glyphBytes(font.data, code), index < c.codes.size()
                                                       ? glyphBytes(written, c.codes[index])
                                                       : state::GlyphBytes{})
                << code;
        }
        for (const ImportNote& note : font.notes) {
            EXPECT_NE(note.kind, ImportNote::Kind::ShapeTaken) << "the shape is the file's own";
        }
    }
}

// The sheet as `convert` (ImageMagick) saves it after `edit`.
std::string edited(const std::string& png, const std::string& edit) {
    const ScratchDirectory dir;
    writeBytes(dir / "sheet.png", png);
    const std::string at = dir.path().string() + '/';
    EXPECT_EQ(run("convert " + at + "sheet.png " + edit + " " + at + "edited.png"), 0) << edit;
    return readBytes(dir / "edited.png");
}

// What an image editor makes of a sheet, in other colours, encodings and with its pixels
// a little off, gives back every glyph as render drew it.
TEST(PngImport, ReadsTheSheetAsImageEditorsSaveIt) {
    const state::FontData written = patternFont();
    const std::string sheet = sheetPng(written);
    for (const char* edit : {
             "-fill '#102060' -opaque '#FF0800' -fill '#F0E0A0' -opaque white",
             "-colorspace Gray -depth 16",
             "-type Palette",
             "-interlace PNG",
             "-transparent white",
             "-monochrome -negate -alpha copy -fill '#0000F0' -colorize 100",
             "-blur 0x0.8",
             "-attenuate 0.4 +noise Gaussian",
             "-roll +1-1",
         }) {
        SCOPED_TRACE(edit);
        const ImportedFont font = importPng(edited(sheet, edit), {.first = 0x40});
        for (int code = 0; code < state::kSavedCodes; ++code) {
            EXPECT_EQ(glyphBytes(font.data, code), glyphBytes(written, code)) << code;
        }
        EXPECT_EQ(font.data.labels[1], "A");
    }
    const ImportedFont blank = importPng(sheetPng(state::FontData{}, 2), {});
    EXPECT_EQ(blank.data.cells[33], (std::array<std::string, 5>{"0", "0", "0", "0", "0"}));
}

// The size of `png` as its header states it.
std::string withSize(std::string png, std::uint32_t width, std::uint32_t height) {
    for (int byte = 0; byte < 4; ++byte) {
        png[16 + byte] = static_cast<char>(width >> (24 - 8 * byte));
        png[20 + byte] = static_cast<char>(height >> (24 - 8 * byte));
    }
    return png;
}

TEST(PngImport, RefusesWhatIsNoSheetBeforeDecodingIt) {
    using state::Cause;
    const std::string sheet = sheetPng(patternFont(), 2);
    std::string damaged = sheet;
    damaged[damaged.size() / 2] ^= 0x55;
    struct Case {
        const char* what;
        std::string bytes;
        Cause cause;
        std::string value = {};
    };
    const Case cases[] = {
        {"a GIF", "GIF89a", Cause::NotPng},
        {"the signature alone", std::string(kPngSignature), Cause::PngTruncated},
        {"cut short", sheet.substr(0, sheet.size() / 2), Cause::PngTruncated},
        {"damaged image data", damaged, Cause::PngNotDecoded},
        {"a third colour", edited(sheet, "-fill '#00C000' -draw 'point 1,1'"), Cause::ThirdColour,
         "#00C000"},
        {"a grey as far from both", edited(sheet, "-fill '#808080' -draw 'point 1,1'"),
         Cause::ThirdColour, "#808080"},
        {"a dot too narrow", edited(sheet, "-crop 227x124+0+0"), Cause::SheetSize, "227 x 124"},
        {"a dot taller than wide", edited(sheet, "-resize 228x186!"), Cause::SheetSize,
         "228 x 186"},
        {"one pixel", edited(sheet, "-resize 1x1!"), Cause::SheetSize, "1 x 1"},
        {"past the largest scale", withSize(sheet, 114 * 65, 62 * 65), Cause::SheetSize,
         "7410 x 4030"},
        {"the largest size a PNG states", withSize(sheet, 0x7FFFFFFF, 0x7FFFFFFF), Cause::SheetSize,
         "2147483647 x 2147483647"},
    };
    for (const Case& c : cases) {
        expectFailure([&] { importPng(c.bytes, {}); }, c.cause, {.value = c.value});
    }
}

TEST(Render, DrawsTextAndTheSheetDotByDot) {
    state::FontData data;
    data.cells[33] = {"1", "", "", "", "80"};  // "A" by its ASCII code
    data.cells[5] = {"", "", "FF", "", ""};
    data.labels[5] = "é";  // by its label
    const Picture text = decoded(textPng(data, "AéA", 3));
    EXPECT_EQ(text.width, (6u * 3 - 1) * 3);
    EXPECT_EQ(text.height, 8u * 3);
    for (const auto& [x, y, lit] :
         std::vector<std::tuple<unsigned, unsigned, bool>>{{0, 0, true},
                                                           {2, 2, true},
                                                           {3, 0, false},
                                                           {12, 21, true},
                                                           {14, 23, true},
                                                           {15, 23, false},
                                                           {15, 0, false},
                                                           {24, 0, true},
                                                           {24, 23, true},
                                                           {23, 10, false},
                                                           {18 + 6, 3, true},
                                                           {0, 21, false}}) {
        EXPECT_EQ(text.lit(x, y), lit) << x << ',' << y;
    }
    expectFailure([&] { textPng(data, "A\x1B"); }, state::Cause::NoGlyphForCharacter,
                  {.value = "\x1B"});
    expectFailure([&] { textPng(data, "ü"); }, state::Cause::NoGlyphForCharacter, {.value = "ü"});

    const Picture sheet = decoded(sheetPng(data, 1));
    EXPECT_EQ(sheet.width, 2 + 16 * 7u);
    EXPECT_EQ(sheet.height, 2 + 6 * 10u);
    // Glyph 33 stands in row 2, column 1 of the sheet: its dots at (9, 22) and (13, 29).
    EXPECT_TRUE(sheet.lit(9, 22));
    EXPECT_TRUE(sheet.lit(13, 29));
    EXPECT_FALSE(sheet.lit(9, 23));
    EXPECT_TRUE(sheet.lit(2 + 5 * 7 + 2, 2 + 7));
}

// A line of a font of any cell: each glyph at its advance on the baseline, a descender below
// it, a character without a glyph a blank half the line high whose span is told.
TEST(Render, DrawsALineOfAnyFontOnItsBaseline) {
    state::BitmapFont font;
    font.ascent = 6;
    font.descent = 2;
    state::BitmapGlyph i = state::blankGlyph(U'i', 1, 6);
    i.left = 1;
    i.advance = 3;
    i.rows.assign(6, 1);
    state::BitmapGlyph g = state::blankGlyph(U'g', 3, 4);
    g.bottom = -2;
    g.advance = 4;
    g.rows = {0, 0, 0, 0b100};
    font.put(i);
    font.put(g);
    const pictures::BitmapLine line =
        pictures::bitmapLineCanvas(font, U"ig?", 1, pictures::paperLook());
    EXPECT_EQ(line.canvas.width(), 3 + 4 + 4);
    EXPECT_EQ(line.canvas.height(), 8);
    ASSERT_EQ(line.missing.size(), 1u);
    EXPECT_EQ(line.missing[0].first, 7);
    EXPECT_EQ(line.missing[0].last, 11);
    const auto lit = [&](int x, int y) {
        const std::uint8_t* pixel = &line.canvas.pixels()[(y * line.canvas.width() + x) * 3u];
        return pictures::Rgb{pixel[0], pixel[1], pixel[2]} == pictures::paperLook().lit;
    };
    EXPECT_TRUE(lit(1, 0) && lit(1, 5));
    EXPECT_FALSE(lit(1, 6) || lit(0, 0));
    EXPECT_TRUE(lit(3 + 2, 7));
    EXPECT_FALSE(lit(3 + 2, 6));
}

// The colour of the pixel at the centre of the dot (xDot, yDot), each dot `scale` pixels.
Rgb dotColour(const Picture& picture, int xDot, int yDot, int scale) {
    const unsigned x = static_cast<unsigned>(xDot * scale + scale / 2);
    const unsigned y = static_cast<unsigned>(yDot * scale + scale / 2);
    const unsigned char* pixel = &picture.rgb[(y * picture.width + x) * 3];
    return {pixel[0], pixel[1], pixel[2]};
}

// A character LCD's cells are 5 x 8 dots with one blank dot between them each way, inside a
// margin of two; every cell shows its dots, lit or not, the ones the text does not reach too.
TEST(Render, LaysTextOutInTheCellsOfACharacterLcdInEveryLook) {
    const state::FontData data = patternFont();
    const std::string text = "Hello, world!\nAB\n";
    for (const DisplayLook& look : displayLooks()) {
        const int scale = look.defaultScale;
        const PanelPicture panel = panelPng(data, text, {16, 2}, scale, look);
        const Picture picture = decoded(panel.png);
        ASSERT_EQ(picture.width, static_cast<unsigned>((2 + 16 * 6 - 1 + 2) * scale)) << look.name;
        ASSERT_EQ(picture.height, static_cast<unsigned>((2 + 2 * 9 - 1 + 2) * scale)) << look.name;
        const std::string rows[2] = {"Hello, world!", "AB"};
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 16; ++column) {
                const int left = 2 + column * 6;
                const int top = 2 + row * 9;
                const bool shown = column < static_cast<int>(rows[row].size());
                const state::GlyphBytes bytes =
                    shown ? glyphBytes(data, rows[row][column] - 0x20) : state::GlyphBytes{};
                for (int x = 0; x < 5; ++x) {
                    for (int y = 0; y < 8; ++y) {
                        EXPECT_EQ(dotColour(picture, left + x, top + y, scale),
                                  (bytes[x] >> y & 1) != 0 ? look.lit : look.unlit)
                            << look.name << " row " << row << " column " << column << " dot " << x
                            << ',' << y;
                    }
                }
                EXPECT_EQ(dotColour(picture, left + 5, top, scale), look.ground) << look.name;
                EXPECT_EQ(dotColour(picture, left, top + 8, scale), look.ground) << look.name;
            }
        }
        EXPECT_TRUE(panel.text.missing.empty());
        EXPECT_EQ(panel.text.cut, 0);
    }

    // What the module cannot show as the font draws it: a character with no glyph, blank; more
    // glyphs outside its character ROM than CGRAM holds; text past the last cell.
    const PanelText odd = panelPng(data, "\x1B\\~{é\x1B", {4, 1}, 1, paperLook()).text;
    EXPECT_EQ(odd.cells, (std::vector<std::optional<int>>{std::nullopt, 0x5C - 0x20, 0x7E - 0x20,
                                                          0x7B - 0x20}));
    EXPECT_EQ(odd.missing, (std::vector<std::string>{"\x1B"}));
    EXPECT_EQ(odd.customCodes, (std::vector<int>{0x5C - 0x20, 0x7E - 0x20}));
    EXPECT_EQ(odd.cut, 2);
    EXPECT_EQ(panelText("\n\nA", {2, 2}, [](int) { return ""; }).cut, 1);
    // A glyph drawn again over another, as the window's preview draws a changed one, leaves
    // nothing of the first, its glow included.
    for (const DisplayLook& look : displayLooks()) {
        DotCanvas drawnOver(5, 8, 4, look), drawnOnce(5, 8, 4, look);
        drawnOver.drawGlyph(glyphBytes(data, 33), 0, 0);
        drawnOver.drawGlyph(state::GlyphBytes{}, 0, 0);
        drawnOnce.drawGlyph(state::GlyphBytes{}, 0, 0);
        EXPECT_EQ(drawnOver.pixels(), drawnOnce.pixels()) << look.name;
    }
    for (const auto& [name, size] :
         std::vector<std::pair<std::string, std::optional<PanelSize>>>{{"16x2", PanelSize{16, 2}},
                                                                       {"20x4", PanelSize{20, 4}},
                                                                       {"40x4", PanelSize{40, 4}},
                                                                       {"41x1", std::nullopt},
                                                                       {"16x0", std::nullopt},
                                                                       {"016x2", std::nullopt},
                                                                       {"16x2 ", std::nullopt},
                                                                       {"x2", std::nullopt}}) {
        EXPECT_EQ(panelSizeNamed(name), size) << name;
    }
}

}  // namespace
}  // namespace fontedit::formats
