// BDF fonts written in the test: where glyphs land on the 5x8 cell, what is noted, and what
// is refused with its line and text. The same font through bdftopcf, in each bitmap layout it
// offers, gives the BDF's font as PCF; damaged PCF and gzip files are refused, naming the table.
#include <gtest/gtest.h>

#include <algorithm>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using support::readBytes;
using support::ScratchDirectory;
using Cells = std::array<std::string, state::kGlyphColumns>;

// A font whose header holds `properties`, then `glyphs`. With two lines of properties, the
// first glyph's STARTCHAR is on line 9 and its first bitmap row on line 15.
std::string bdf(const std::string& properties, const std::string& glyphs) {
    return "STARTFONT 2.1\nFONT test\nSIZE 8 75 75\nFONTBOUNDINGBOX 5 8 0 -1\n"
           "STARTPROPERTIES 2\n" +
           properties + "\nENDPROPERTIES\n" + glyphs + "ENDFONT\n";
}

std::string blankRows(int count) {
    std::string rows;
    for (int i = 0; i < count; ++i) rows += "0000\n";
    return rows;
}

const std::string kBaseline = "FONT_ASCENT 7\nFONT_DESCENT 1";

std::string glyph(const std::string& name, int encoding, const std::string& box,
                  const std::string& rows) {
    return "STARTCHAR " + name + "\nENCODING " + std::to_string(encoding) +
           "\nSWIDTH 500 0\nDWIDTH 5 0\nBBX " + box + "\nBITMAP\n" + rows + "ENDCHAR\n";
}

TEST(BdfImport, PlacesGlyphsByTheirBoxesOnTheBaseline) {
    struct Case {
        const char* what;
        std::string bytes;
        ImportOptions options;
        Cells glyph0;
        int cropped;  // glyphs that lost dots, told in one note before the missing ones
    };
    const Case cases[] = {
        {"the full cell: top left dot on row 0, bottom right below the baseline",
         bdf(kBaseline, glyph("space", 32, "5 8 0 -1", "80\n00\n00\n00\n00\n00\n00\n08\n")),
         {},
         {"1", "0", "0", "0", "80"},
         0},
        {"one dot placed by its offsets, on the baseline",
         bdf(kBaseline, glyph("space", 32, "1 1 2 0", "80\n")),
         {},
         {"0", "0", "40", "0", "0"},
         0},
        {"a font eight dots tall with no descent stands on the bottom row",
         bdf("FONT_ASCENT 8\nFONT_DESCENT 0",
             glyph("bar", 32, "1 8 0 0", "80\n80\n80\n80\n80\n80\n80\n80\n")),
         {},
         {"FF", "0", "0", "0", "0"},
         0},
        {"a font with a two-dot descent keeps it",
         bdf("FONT_ASCENT 6\nFONT_DESCENT 2", glyph("low", 32, "1 1 0 -2", "80\n")),
         {},
         {"80", "0", "0", "0", "0"},
         0},
        {"the baseline from FONTBOUNDINGBOX when the properties lack it",
         bdf("COMMENT none", glyph("low", 32, "1 1 0 -1", "80\n")),
         {},
         {"80", "0", "0", "0", "0"},
         0},
        {"a dot outside the cell cut with crop",
         bdf(kBaseline, glyph("wide", 32, "6 1 0 0", "84\n")),
         {.crop = true},
         {"40", "0", "0", "0", "0"},
         1},
        {"a baseline named one row up keeps a two-dot descent",
         bdf(kBaseline, glyph("low", 32, "1 1 0 -2", "80\n")),
         {.baseline = 5},
         {"80", "0", "0", "0", "0"},
         0},
        {"a baseline named on the bottom row, what stands above row 0 cut with crop",
         bdf(kBaseline, glyph("tall", 32, "1 9 0 0", "80\n80\n80\n80\n80\n80\n80\n80\n80\n")),
         {.crop = true, .baseline = 7},
         {"FF", "0", "0", "0", "0"},
         1},
        {"blank dots outside the cell cost nothing",
         bdf(kBaseline, glyph("big", 32, "16 10 -2 -2", "0000\n2000\n" + blankRows(8))),
         {},
         {"1", "0", "0", "0", "0"},
         0},
        {"CRLF, tabs, comments and blank lines",
         "STARTFONT 2.1\r\nCOMMENT a\r\n\r\nFONTBOUNDINGBOX 5 8 0 -1\r\nSTARTCHAR\tdot\r\n"
         "ENCODING\t32\r\nBBX 1 1 0 0\r\nBITMAP\r\n80\r\nENDCHAR\r\n\r\nENDFONT\r\n",
         {},
         {"40", "0", "0", "0", "0"},
         0},
        {"glyphs outside the range are passed over unread",
         bdf(kBaseline, glyph("nbsp", 160, "5 1 0 0", "zz\n") +
                            glyph("none", -1, "5 1 0 0", "zz\n") +
                            glyph("dot", 32, "1 1 0 0", "80\n")),
         {},
         {"40", "0", "0", "0", "0"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedFont font = importBdf(c.bytes, c.options);
        EXPECT_EQ(font.data.cells[0], c.glyph0);
        const std::size_t told = c.cropped > 0;
        ASSERT_EQ(font.notes.size(), told + 95);
        if (told) {
            EXPECT_EQ(font.notes[0].kind, ImportNote::Kind::GlyphsCropped);
            EXPECT_EQ(font.notes[0].count, c.cropped);
        }
        const ImportNote& missing = font.notes[told];
        EXPECT_EQ(missing.kind, ImportNote::Kind::EncodingMissing);
        EXPECT_EQ(missing.code, 33);
        EXPECT_EQ(font.data.cells[1], Cells({"0", "0", "0", "0", "0"}));
    }
}

TEST(BdfImport, LabelsByEncodingInTheFontsCharacterSet) {
    const std::string glyphs =
        glyph("a", 0xA7, "1 1 0 0", "80\n") + glyph("b", 0xC1, "1 1 0 0", "80\n");
    struct Case {
        const char* what;
        std::string registry;
        int first;
        std::vector<std::pair<int, std::string>> labels;  // code, label
    };
    const Case cases[] = {
        {"Latin-1",
         "CHARSET_REGISTRY \"ISO8859\"\nCHARSET_ENCODING \"1\"",
         0xA0,
         {{0, ""}, {7, "§"}, {0x21, ""}}},
        {"Unicode",
         "CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"",
         0x60,
         {{0, "`"}, {31, "DEL"}, {0x47, "§"}}},
        {"JIS X 0201: ASCII only",
         "CHARSET_REGISTRY \"JISX0201.1976\"\nCHARSET_ENCODING \"0\"",
         0x60,
         {{1, "a"}, {0x47, ""}}},
        // A code of a character set of the font's own says nothing; the glyph's name may.
        {"Adobe-FontSpecific: by the glyphs' names",
         "CHARSET_REGISTRY \"Adobe\"\nCHARSET_ENCODING \"FontSpecific\"",
         0xA0,
         {{0, ""}, {7, "a"}, {0x21, "b"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedFont font = importBdf(bdf(c.registry, glyphs), {.first = c.first});
        for (const auto& [code, label] : c.labels) EXPECT_EQ(font.data.labels[code], label) << code;
    }
}

TEST(BdfImport, RefusesWhatItCannotPlaceWithTheLineAndText) {
    struct Case {
        const char* what;
        std::string bytes;
        Cause cause;
        int line;
        std::string value;
        std::optional<int> code;
    };
    const std::string dot = glyph("dot", 32, "1 1 0 0", "80\n");
    const std::string whole = bdf(kBaseline, dot);
    const std::string unended = whole.substr(0, whole.rfind("ENDFONT"));
    const Case cases[] = {
        {"not BDF", "\nSTARTFON 2.1\n", Cause::NotBdf, 2, "STARTFON 2.1", std::nullopt},
        {"a BBX with a word for a number", bdf(kBaseline, glyph("x", 32, "5 x 0 0", "")),
         Cause::BdfSyntax, 13, "BBX 5 x 0 0", std::nullopt},
        {"an ENCODING with no number", bdf(kBaseline, "STARTCHAR x\nENCODING\nENDCHAR\n"),
         Cause::BdfSyntax, 10, "ENCODING", std::nullopt},
        {"a dot right of the cell", bdf(kBaseline, dot + glyph("wide", 33, "6 1 0 0", "84\n")),
         Cause::GlyphTooLarge, 17, "wide", 1},
        {"a dot above the cell", bdf(kBaseline, glyph("tall", 32, "1 1 0 7", "80\n")),
         Cause::GlyphTooLarge, 9, "tall", 0},
        {"a dot below the cell", bdf(kBaseline, glyph("deep", 32, "1 1 0 -2", "80\n")),
         Cause::GlyphTooLarge, 9, "deep", 0},
        {"a row narrower than the box", bdf(kBaseline, glyph("x", 32, "5 1 0 0", "8\n")),
         Cause::BitmapRow, 15, "8", std::nullopt},
        {"a row that is not hex", bdf(kBaseline, glyph("x", 32, "5 1 0 0", "G0\n")),
         Cause::BitmapRow, 15, "G0", std::nullopt},
        {"fewer rows than the box", bdf(kBaseline, glyph("x", 32, "5 2 0 0", "80\n")),
         Cause::BitmapRow, 16, "ENDCHAR", std::nullopt},
        {"a glyph with no ENDCHAR", bdf(kBaseline, "STARTCHAR open\nENCODING 32\n"),
         Cause::BdfNotClosed, 9, "open", std::nullopt},
        {"cut after a glyph's ENDCHAR, before ENDFONT", unended, Cause::BdfNotEnded,
         static_cast<int>(std::count(unended.begin(), unended.end(), '\n')), "", std::nullopt},
        {"two glyphs at one encoding", bdf(kBaseline, dot + glyph("again", 32, "1 1 0 0", "80\n")),
         Cause::DuplicateEncoding, 17, "again", 0},
        {"no glyph in the range",
         bdf(kBaseline, glyph("x", 200, "1 1 0 0", "80\n") + glyph("y", 230, "1 1 0 0", "80\n")),
         Cause::EncodingsElsewhere, 0, "200-230", 32},
        {"a width past 64 bits", bdf(kBaseline, glyph("x", 32, "99999999999999999999 1 0 0", "")),
         Cause::BdfSyntax, 13, "BBX 99999999999999999999 1 0 0", std::nullopt},
        {"a byte past the limit", "STARTFONT 2.1\n" + std::string(kMostImportBytes, '\n'),
         Cause::FileTooLarge, 0, "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        support::expectFailure([&] { importBdf(c.bytes, {}); }, c.cause,
                               {.line = c.line, .code = c.code, .value = c.value});
    }
}

TEST(ImportFormat, IsBdfWhenTheBytesStartWithStartfont) {
    EXPECT_EQ(detectFormat("\xEF\xBB\xBF\r\nSTARTFONT 2.1\n"), ImportFormat::Bdf);
    EXPECT_EQ(detectFormat("// STARTFONT\nchar f[] = {0};"), ImportFormat::C);
}

// A font two rows deeper than the cell, with a glyph wider than a byte that reaches past the
// cell on three sides, and one outside the range taken whose width keeps bdftopcf from
// writing its metrics compressed.
const std::string kBdf =
    "STARTFONT 2.1\nFONT test\nSIZE 10 75 75\nFONTBOUNDINGBOX 200 10 -1 -2\n"
    "STARTPROPERTIES 4\nFONT_ASCENT 8\nFONT_DESCENT 2\nCHARSET_REGISTRY \"ISO10646\"\n"
    "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 4\n" +
    glyph("exclam", 33, "12 3 -1 5", "FFF0\n8010\nFFF0\n") +
    glyph("A", 65, "5 7 0 0", "20\n50\n88\n88\nF8\n88\n88\n") +
    glyph("g", 103, "4 6 0 -2", "70\n90\n90\n70\n10\nE0\n") +
    glyph("far", 300, "200 1 0 0", std::string(50, 'F') + "\n") + "ENDFONT\n";

// kBdf through bdftopcf with `flags`.
std::string pcfOf(const std::string& flags) {
    const ScratchDirectory dir;
    support::writeBytes(dir / "font.bdf", kBdf);
    const std::string command = "bdftopcf " + flags + " -o " + (dir / "font.pcf").string() + " " +
                                (dir / "font.bdf").string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return readBytes(dir / "font.pcf");
}

void expectSameFont(const ImportedFont& font, const ImportedFont& expected) {
    EXPECT_EQ(font.data.cells, expected.data.cells);
    EXPECT_EQ(font.data.labels, expected.data.labels);
    EXPECT_EQ(font.notes, expected.notes);
}

TEST(PcfImport, EveryLayoutOfBdftopcfGivesTheBdfsFont) {
    const ImportOptions options[] = {{.crop = true}, {.crop = true, .baseline = 5}};
    for (const ImportOptions& option : options) {
        const ImportedFont expected = importBdf(kBdf, option);
        // bdftopcf writes no usable bitmaps at -p8, nor with a scan unit wider than the
        // padding: pcf2bdf reads garbage back from those too.
        for (const char* layout :
             {"-p1 -u1", "-p2 -u1", "-p2 -u2", "-p4 -u1", "-p4 -u2", "-p4 -u4"}) {
            for (const char* order : {"-m -M", "-m -L", "-l -M", "-l -L"}) {
                const std::string flags = std::string(layout) + " " + order;
                SCOPED_TRACE(flags);
                expectSameFont(importPcf(pcfOf(flags), option), expected);
            }
        }
    }
    support::expectFailure([] { importPcf(pcfOf(""), {}); }, Cause::GlyphTooLarge,
                           {.code = 1, .value = "exclam"});
}

// The offset of the table of `type` in `pcf`, from its table of contents.
std::size_t tableOffset(const std::string& pcf, unsigned type) {
    const auto word = [&](std::size_t at) {
        return static_cast<std::uint8_t>(pcf[at]) | static_cast<std::uint8_t>(pcf[at + 1]) << 8 |
               static_cast<std::uint8_t>(pcf[at + 2]) << 16 |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(pcf[at + 3])) << 24;
    };
    for (std::size_t entry = 8;; entry += 16) {
        if (word(entry) == type) return entry + 12;
    }
}

// "a\n" as gzip -n packs it.
constexpr std::string_view kSmallGzip{
    "\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03\x4B\xE4\x02\x00\x07\xA1\xEA\xDD\x02\x00\x00\x00", 22};

TEST(PcfImport, RefusesDamagedFilesNamingTheTable) {
    const std::string pcf = pcfOf("");
    constexpr unsigned kMetrics = 4, kBitmaps = 8;
    std::string farOffset = pcf;
    farOffset.replace(tableOffset(pcf, kMetrics), 4, "\xF0\xFF\xFF\x7F");
    // The first glyph's bitmap, read in either byte order, far past the bitmap data.
    std::string farBitmap = pcf;
    const std::size_t bitmaps = static_cast<std::uint8_t>(pcf[tableOffset(pcf, kBitmaps)]) |
                                static_cast<std::uint8_t>(pcf[tableOffset(pcf, kBitmaps) + 1]) << 8;
    farBitmap.replace(bitmaps + 8, 4, "\x7F\x7F\x7F\x7F");
    const ScratchDirectory dir;
    const std::string bomb = (dir / "bomb.gz").string();
    const std::string command = "head -c 16777217 /dev/zero | gzip -c > " + bomb;
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string gzip = readBytes(bomb);
    const std::string twice = (dir / "twice.gz").string();
    ASSERT_EQ(std::system(("gzip -c " + bomb + " > " + twice).c_str()), 0);
    const std::string gzipInGzip = readBytes(twice);

    struct Case {
        const char* what;
        std::function<void()> import;
        Cause cause;
        std::string value;
    };
    const Case cases[] = {
        {"BDF taken as PCF", [] { importPcf(kBdf, {}); }, Cause::NotPcf, ""},
        {"cut inside its tables", [&] { importPcf(pcf.substr(0, pcf.size() / 2), {}); },
         Cause::PcfTableOutside, "accelerators"},
        {"cut inside its table of contents", [&] { importPcf(pcf.substr(0, 20), {}); },
         Cause::PcfTableOutside, "table of contents"},
        {"a table offset past the end", [&] { importPcf(farOffset, {}); }, Cause::PcfTableOutside,
         "metrics"},
        {"a glyph's bitmap past the table", [&] { importPcf(farBitmap, {}); },
         Cause::PcfTableMalformed, "bitmaps"},
        {"gzip content one byte past the limit", [&] { gunzip(gzip); }, Cause::FileTooLarge, ""},
        {"gzip cut short", [&] { gunzip(gzip.substr(0, 100)); }, Cause::GzipDamaged, ""},
        {"gzip inside gzip", [&] { gunzip(gzipInGzip); }, Cause::GzipInGzip, ""},
        {"bytes after the last gzip member", [] { gunzip(std::string(kSmallGzip) + "x"); },
         Cause::GzipTrailing, std::to_string(kSmallGzip.size())},
        {"a PCF font taken as C", [&] { importCTable(pcf, {}); }, Cause::NotAnyFormat,
         pcf.substr(0, 16)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        support::expectFailure(c.import, c.cause, {.value = c.value});
    }
}

TEST(ImportFormat, IsPcfByItsMarkAfterGzipIsUnpacked) {
    const std::string pcf = pcfOf("");
    EXPECT_EQ(detectFormat(pcf), ImportFormat::Pcf);
    const ScratchDirectory dir;
    support::writeBytes(dir / "font.pcf", pcf);
    ASSERT_EQ(std::system(("gzip " + (dir / "font.pcf").string()).c_str()), 0);
    const std::string packed = readBytes(dir / "font.pcf.gz");
    ASSERT_TRUE(isGzip(packed));
    EXPECT_EQ(gunzip(packed), pcf);
    // zcat unpacks every member of a file of several, one after the other.
    EXPECT_EQ(gunzip(packed + std::string(kSmallGzip) + packed), pcf + "a\n" + pcf);
}

}  // namespace
}  // namespace fontedit::formats
