// convert: any font at its own size into the format OUT's extension or --format names, only
// --chars where given; on any fault nothing is written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "cli_process.h"
#include "folder/font_folder.h"
#include "formats/common/bitmap_readers.h"
#include "formats/common/bitmap_writers.h"
#include "formats/font_import.h"
#include "formats/libraries/lvgl.h"
#include "formats/libraries/max72xx.h"
#include "formats/libraries/u8g2.h"
#include "formats/registry.h"
#include "formats/x11/bdf_document.h"
#include "state/character_list.h"
#include "support/scratch_directory.h"

namespace fontedit::cli {
namespace {

using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

// The BDF as a hand would cut it down to the glyphs of `encodings`: every other glyph's lines
// and the blank line after them gone, CHARS counted again, every other line as it was.
std::string cutBdf(const std::string& bdf, const std::set<std::string>& encodings) {
    std::istringstream in(bdf);
    std::string out, glyph;
    bool keep = false, after = false;
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("STARTCHAR"))
            glyph = line + "\n";
        else if (!glyph.empty())
            glyph += line + "\n";
        else if (!(after && line.empty() && !keep))
            out += line + "\n";
        after = false;
        if (line.starts_with("ENCODING ")) keep = encodings.contains(line.substr(9));
        if (line == "ENDCHAR") {
            if (keep) out += glyph;
            count += keep;
            glyph.clear();
            after = true;
        }
    }
    const std::size_t chars = out.find("CHARS ");
    return out.replace(chars, out.find('\n', chars) - chars, "CHARS " + std::to_string(count));
}

TEST(CliConvert, WritesTheFormatChosenOrRefusesWritingNothing) {
    const ScratchDirectory work;
    const std::string pcf = "/usr/share/fonts/X11/misc/5x8.pcf.gz";
    const state::BitmapFont x11 = formats::readPcf(formats::gunzip(readBytes(pcf)));
    const state::FontData sample = folder::loadFont(sampleFontDir());
    writeBytes(work / "chars.txt", "\xC2\xB0\xC3\xA9\n");  // ° é
    // 8x16's printable ASCII, and the tables and library sources made of it to read back.
    const state::BitmapFont ascii = state::withCharacters(
        formats::readPcf(formats::gunzip(readBytes("/usr/share/fonts/X11/misc/8x16.pcf.gz"))),
        state::parseCharacterList("0x20-0x7E", {}));
    const auto written = [&](std::string_view word, formats::BitmapWriteSettings settings = {}) {
        return formats::formatNamed(word)->writeBitmap(ascii, settings);
    };
    writeBytes(work / "rows.h", written("c", {.layout = formats::CLayout::Rows, .msbFirst = true}));
    writeBytes(work / "glyphs.bin", written("bin"));
    writeBytes(work / "sheet.png", written("png", {.scale = 3}));
    writeBytes(work / "font.u8g2", written("u8g2"));
    writeBytes(work / "font.lvgl", written("lvgl"));
    const auto only = [](state::BitmapFont font, std::vector<char32_t> characters) {
        return state::withCharacters(std::move(font), characters);
    };
    writeBytes(work / "font.max72xx", formats::formatNamed("max72xx")->writeBitmap(
                                          only(x11, {0x41, 0x42}), {.name = "Sys"}));
    const std::string bdf = (work / "6x13.bdf").string();
    ASSERT_EQ(std::system(("zcat /usr/share/fonts/X11/misc/6x13.pcf.gz | pcf2bdf -o " + bdf +
                           " && gzip -k " + bdf)
                              .c_str()),
              0);
    const std::string otb = "/usr/share/fonts/opentype/terminus/terminus-normal.otb";
    struct Case {
        std::vector<std::string> args;  // OUT is work / "out" and its extension, last
        std::string extension;
        int status;            // 1 a fault, 2 a usage error
        std::string expected;  // the bytes written, or what standard error says
    };
    const Case cases[] = {
        {{pcf, "--chars", "0x41-0x43,@" + (work / "chars.txt").string()},
         ".bdf",
         0,
         formats::bdfFromBitmapFont(only(x11, {0x41, 0x42, 0x43, 0xB0, 0xE9}), "Fixed")},
        // A BDF keeps its text; --chars takes out only the other glyphs.
        {{bdf}, ".bdf", 0, readBytes(bdf)},
        {{bdf + ".gz", "--chars", "0x41-0x42,0x2588"},
         ".bdf",
         0,
         cutBdf(readBytes(bdf), {"65", "66", "9608"})},
        // Written anew, the font goes by its own name, else by the input's.
        {{bdf, "--charset", "jisx0201"},
         ".bdf",
         0,
         formats::bdfFromBitmapFont(formats::byJisX0201(formats::readBdf(readBytes(bdf))),
                                    "Fixed")},
        {{otb, "--chars", "0x41"},
         ".bdf",
         0,
         formats::bdfFromBitmapFont(only(formats::readTrueType(readBytes(otb), {}), {0x41}),
                                    "Terminus")},
        {{sampleFontDir().string()},
         ".bdf",
         0,
         formats::bdfFromBitmapFont(formats::classicBitmapFont(sample, false), "ascii")},
        {{sampleFontDir().string(), "--chars", "U+0041"},
         ".psf",
         0,
         formats::psf2Font(only(formats::classicBitmapFont(sample, false), {0x41}))},
        {{sampleFontDir().string(), "--by-label", "--chars", "0x20-0x7F"},
         ".png",
         0,
         formats::sheetPng(formats::classicBitmapFont(sample, true), 1)},
        {{sampleFontDir().string(), "--format", "bin"},
         ".h",
         0,
         formats::rawGlyphs(formats::classicBitmapFont(sample, false))},
        {{"/usr/share/fonts/X11/misc/unifont.pcf.gz"},
         ".psf",
         1,
         "glyphs of different shapes are more than the 512 this format holds; formats that "
         "take the font: c, bdf, bin, png, u8g2"},
        // Every writer by its word, the C symbol made of IN's name.
        {{pcf, "--format", "u8g2"},
         ".c",
         0,
         formats::formatNamed("u8g2")->writeBitmap(x11, {.name = "_5x8"})},
        {{pcf, "--format", "c", "--layout", "pages", "--progmem"},
         ".c",
         0,
         formats::formatNamed("c")->writeBitmap(
             x11, {.name = "_5x8", .layout = formats::CLayout::Pages, .progmem = true})},
        // Each reader at the font's own size.
        // Tables and sheets hold the cell alone: its bytes come back as they were.
        {{(work / "rows.h").string(), "--cell", "8x16", "--in-layout", "rows", "--in-msb-first"},
         ".bin",
         0,
         written("bin")},
        {{(work / "glyphs.bin").string(), "--cell", "8x16", "--in-layout", "rows", "--in-msb-first",
          "--first", "0x20"},
         ".psf",
         0,
         written("psf")},
        {{(work / "sheet.png").string(), "--cell", "8x16"}, ".bin", 0, written("bin")},
        {{(work / "font.u8g2").string(), "--name", "u8g2"},
         ".bdf",
         0,
         formats::bdfFromBitmapFont(formats::u8g2BitmapImport(readBytes(work / "font.u8g2")),
                                    "u8g2")},
        {{(work / "font.lvgl").string(), "--chars", "0x41"},
         ".bdf",
         0,
         formats::bdfFromBitmapFont(
             only(formats::lvglBitmapImport(readBytes(work / "font.lvgl")), {0x41}), "font")},
        {{(work / "font.max72xx").string(), "--format", "bdf"},
         ".h",
         0,
         formats::bdfFromBitmapFont(formats::max72xxBitmapImport(readBytes(work / "font.max72xx")),
                                    "font")},
        // Refused whole, naming what would take the font.
        {{pcf, "--format", "hd44780"}, ".h", 1, "formats that take the font: c, bdf"},
        {{(work / "glyphs.bin").string()}, ".bdf", 1, "holds no cell size"},
        // Usage errors.
        {{pcf, "--chars", "0x7E-0x20"}, ".bdf", 2, "'0x7E-0x20' runs backwards"},
        {{pcf, "--chars", "0x110000"}, ".bdf", 2, "'0x110000' is not a character"},
        {{pcf}, ".xyz", 2, "'.xyz' names no format convert writes"},
        {{pcf, "--scale", "2"}, ".bdf", 2, "--scale: applies only to writing png, not bdf"},
        {{pcf, "--cell", "8x16"},
         ".bdf",
         2,
         "--cell: applies only to reading c, bin, png, not pcf"},
        {{pcf, "--cell", "8x65"}, ".bdf", 2, "'8x65' is not WIDTHxHEIGHT of 1-64 dots"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"convert"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const std::filesystem::path out = work / ("out" + c.extension);
        args.push_back(out.string());
        SCOPED_TRACE(args[1] + " " + out.string());
        const CliResult result = runCli(args);
        ASSERT_EQ(result.status, c.status) << result.err;
        if (c.status == 0) {
            EXPECT_EQ(readBytes(out), c.expected);
            std::filesystem::remove(out);
        } else {
            EXPECT_NE(result.err.find(c.expected), std::string::npos) << result.err;
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }
}

}  // namespace
}  // namespace fontedit::cli
