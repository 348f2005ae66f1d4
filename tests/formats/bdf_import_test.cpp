// BDF fonts written in the test: where glyphs land on the 5x8 cell, what is noted, and what
// is refused with its line and text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/font_import.h"
#include "state/failure.h"
#include "support/expect_failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
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
        bool crop;
        Cells glyph0;
        std::vector<ImportNote::Kind> notesBeforeMissing;
    };
    const Case cases[] = {
        {"the full cell: top left dot on row 0, bottom right below the baseline",
         bdf(kBaseline, glyph("space", 32, "5 8 0 -1", "80\n00\n00\n00\n00\n00\n00\n08\n")),
         false,
         {"1", "0", "0", "0", "80"},
         {}},
        {"one dot placed by its offsets, on the baseline",
         bdf(kBaseline, glyph("space", 32, "1 1 2 0", "80\n")),
         false,
         {"0", "0", "40", "0", "0"},
         {}},
        {"a font eight dots tall with no descent stands on the bottom row",
         bdf("FONT_ASCENT 8\nFONT_DESCENT 0",
             glyph("bar", 32, "1 8 0 0", "80\n80\n80\n80\n80\n80\n80\n80\n")),
         false,
         {"FF", "0", "0", "0", "0"},
         {}},
        {"a font with a two-dot descent keeps it",
         bdf("FONT_ASCENT 6\nFONT_DESCENT 2", glyph("low", 32, "1 1 0 -2", "80\n")),
         false,
         {"80", "0", "0", "0", "0"},
         {}},
        {"the baseline from FONTBOUNDINGBOX when the properties lack it",
         bdf("COMMENT none", glyph("low", 32, "1 1 0 -1", "80\n")),
         false,
         {"80", "0", "0", "0", "0"},
         {}},
        {"a dot outside the cell cut with crop",
         bdf(kBaseline, glyph("wide", 32, "6 1 0 0", "84\n")),
         true,
         {"40", "0", "0", "0", "0"},
         {ImportNote::Kind::GlyphCropped}},
        {"blank dots outside the cell cost nothing",
         bdf(kBaseline, glyph("big", 32, "16 10 -2 -2", "0000\n2000\n" + blankRows(8))),
         false,
         {"1", "0", "0", "0", "0"},
         {}},
        {"CRLF, tabs, comments and blank lines",
         "STARTFONT 2.1\r\nCOMMENT a\r\n\r\nFONTBOUNDINGBOX 5 8 0 -1\r\nSTARTCHAR\tdot\r\n"
         "ENCODING\t32\r\nBBX 1 1 0 0\r\nBITMAP\r\n80\r\nENDCHAR\r\n\r\nENDFONT\r\n",
         false,
         {"40", "0", "0", "0", "0"},
         {}},
        {"glyphs outside the range are passed over unread",
         bdf(kBaseline, glyph("nbsp", 160, "5 1 0 0", "zz\n") +
                            glyph("none", -1, "5 1 0 0", "zz\n") +
                            glyph("dot", 32, "1 1 0 0", "80\n")),
         false,
         {"40", "0", "0", "0", "0"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedFont font = importBdf(c.bytes, {.crop = c.crop});
        EXPECT_EQ(font.data.cells[0], c.glyph0);
        ASSERT_EQ(font.notes.size(), c.notesBeforeMissing.size() + 95);
        for (std::size_t i = 0; i < c.notesBeforeMissing.size(); ++i) {
            EXPECT_EQ(font.notes[i].kind, c.notesBeforeMissing[i]);
            EXPECT_EQ(font.notes[i].code, 32);
        }
        const ImportNote& missing = font.notes[c.notesBeforeMissing.size()];
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
    const Case cases[] = {
        {"not BDF", "\nSTARTFON 2.1\n", Cause::NotBdf, 2, "STARTFON 2.1", {}},
        {"a BBX with a word for a number",
         bdf(kBaseline, glyph("x", 32, "5 x 0 0", "")),
         Cause::BdfSyntax,
         13,
         "BBX 5 x 0 0",
         {}},
        {"an ENCODING with no number",
         bdf(kBaseline, "STARTCHAR x\nENCODING\nENDCHAR\n"),
         Cause::BdfSyntax,
         10,
         "ENCODING",
         {}},
        {"a dot right of the cell", bdf(kBaseline, dot + glyph("wide", 33, "6 1 0 0", "84\n")),
         Cause::GlyphTooLarge, 17, "wide", 1},
        {"a dot above the cell", bdf(kBaseline, glyph("tall", 32, "1 1 0 7", "80\n")),
         Cause::GlyphTooLarge, 9, "tall", 0},
        {"a dot below the cell", bdf(kBaseline, glyph("deep", 32, "1 1 0 -2", "80\n")),
         Cause::GlyphTooLarge, 9, "deep", 0},
        {"a row narrower than the box",
         bdf(kBaseline, glyph("x", 32, "5 1 0 0", "8\n")),
         Cause::BitmapRow,
         15,
         "8",
         {}},
        {"a row that is not hex",
         bdf(kBaseline, glyph("x", 32, "5 1 0 0", "G0\n")),
         Cause::BitmapRow,
         15,
         "G0",
         {}},
        {"fewer rows than the box",
         bdf(kBaseline, glyph("x", 32, "5 2 0 0", "80\n")),
         Cause::BitmapRow,
         16,
         "ENDCHAR",
         {}},
        {"a glyph with no ENDCHAR",
         bdf(kBaseline, "STARTCHAR open\nENCODING 32\n"),
         Cause::BdfNotClosed,
         9,
         "open",
         {}},
        {"two glyphs at one encoding", bdf(kBaseline, dot + glyph("again", 32, "1 1 0 0", "80\n")),
         Cause::DuplicateEncoding, 17, "again", 0},
        {"no glyph in the range",
         bdf(kBaseline, glyph("x", 200, "1 1 0 0", "80\n") + glyph("y", 230, "1 1 0 0", "80\n")),
         Cause::EncodingsElsewhere, 0, "200-230", 32},
        {"a width past 64 bits",
         bdf(kBaseline, glyph("x", 32, "99999999999999999999 1 0 0", "")),
         Cause::BdfSyntax,
         13,
         "BBX 99999999999999999999 1 0 0",
         {}},
        {"a byte past the limit",
         "STARTFONT 2.1\n" + std::string(kMostImportBytes, '\n'),
         Cause::FileTooLarge,
         0,
         "",
         {}},
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

}  // namespace
}  // namespace fontedit::formats
