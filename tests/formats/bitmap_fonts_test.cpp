// Fonts of any cell: Debian's fonts as BDF documents, each glyph against the dots FreeType
// draws of the same file, back to the same bytes unchanged and changed only where an edit
// reaches.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <sstream>
#include <utility>

#include "formats/bdf_document.h"
#include "formats/font_import.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using state::BitmapFont;
using state::BitmapGlyph;
using support::expectFailure;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

using Dot = std::pair<int, int>;  // x right of the origin, y up from the baseline

std::set<Dot> dotsOf(const BitmapGlyph& glyph) {
    std::set<Dot> dots;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (glyph.dot(x, y)) dots.insert({glyph.left + x, glyph.bottom + glyph.height - 1 - y});
        }
    }
    return dots;
}

// Every glyph of `font` as FreeType draws the font file at `path`, and its advance.
void expectFreeTypeDraws(const std::filesystem::path& path, const BitmapFont& font) {
    FT_Library library;
    FT_Face face;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Face(library, path.c_str(), 0, &face), 0) << path;
    ASSERT_EQ(FT_Select_Size(face, 0), 0);
    for (const BitmapGlyph& glyph : font.glyphs) {
        const FT_UInt index = FT_Get_Char_Index(face, glyph.character);
        ASSERT_NE(index, 0u) << std::hex << static_cast<unsigned>(glyph.character);
        ASSERT_EQ(FT_Load_Glyph(face, index, FT_LOAD_DEFAULT), 0);
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        std::set<Dot> dots;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned x = 0; x < bitmap.width; ++x) {
                if (bitmap.buffer[row * bitmap.pitch + x / 8] & (0x80 >> x % 8)) {
                    dots.insert({face->glyph->bitmap_left + static_cast<int>(x),
                                 face->glyph->bitmap_top - 1 - static_cast<int>(row)});
                }
            }
        }
        ASSERT_EQ(dotsOf(glyph), dots) << std::hex << static_cast<unsigned>(glyph.character);
        ASSERT_EQ(glyph.advance, face->glyph->advance.x >> 6)
            << std::hex << static_cast<unsigned>(glyph.character);
    }
    FT_Done_FreeType(library);
}

void runOrFail(const std::string& command) {
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << command;
}

// An X11 font of Debian's as pcf2bdf converts it.
std::string pcf2bdf(const ScratchDirectory& dir, const std::string& name) {
    const std::string bdf = (dir / (name + ".bdf")).string();
    runOrFail("zcat /usr/share/fonts/X11/misc/" + name + ".pcf.gz | pcf2bdf -o " + bdf);
    return readBytes(bdf);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

TEST(BitmapFonts, RealFontsComeBackByteForByteAndChangeOnlyWhereEdited) {
    struct Case {
        const char* name;
        std::function<std::string(const ScratchDirectory&)> bdf;
        std::size_t glyphs;  // at least
    };
    const Case cases[] = {
        {"5x8", [](const auto& dir) { return pcf2bdf(dir, "5x8"); }, 1000},
        {"6x13", [](const auto& dir) { return pcf2bdf(dir, "6x13"); }, 4000},
        {"unifont", [](const auto& dir) { return pcf2bdf(dir, "unifont"); }, 57000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory dir;
        const std::string bdf = c.bdf(dir);
        writeBytes(dir / "font.bdf", bdf);
        BdfDocument document = BdfDocument::read(bdf);
        ASSERT_GE(document.font().glyphs.size(), c.glyphs);
        expectFreeTypeDraws(dir / "font.bdf", document.font());
        EXPECT_EQ(document.write(), bdf);

        // One dot of 'A': one row of its bitmap is written anew, nothing else.
        BitmapGlyph& glyph = *document.font().find(U'A');
        glyph.setDot(0, 0, !glyph.dot(0, 0));
        const std::string changed = document.write();
        const std::vector<std::string> before = linesOf(bdf), after = linesOf(changed);
        ASSERT_EQ(after.size(), before.size());
        std::vector<std::size_t> differing;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] != after[i]) differing.push_back(i);
        }
        ASSERT_EQ(differing.size(), 1u);
        const std::size_t at = differing[0];
        std::size_t bitmapLine = at, encodingLine = at;
        while (bitmapLine > 0 && before[bitmapLine] != "BITMAP") --bitmapLine;
        while (encodingLine > 0 && !before[encodingLine].starts_with("ENCODING")) --encodingLine;
        EXPECT_EQ(at - bitmapLine, 1u);  // the top row
        EXPECT_EQ(before[encodingLine], "ENCODING 65");
        EXPECT_EQ(BdfDocument::read(changed).font(), document.font());
    }
}

// A font of every kind of line, in CRLF: each edit rewrites what it needs and keeps the rest.
TEST(BitmapFonts, EditsRewriteOnlyTheLinesTheyNeed) {
    const std::string font =
        "STARTFONT 2.1\r\nCOMMENT kept\r\nFONT -x-t-medium-r-normal--4-40-75-75-c-40-iso10646-1\r\n"
        "SIZE 4 75 75\r\nFONTBOUNDINGBOX 3 4 0 -1\r\nSTARTPROPERTIES 2\r\nFONT_ASCENT 3\r\n"
        "COPYRIGHT \"x\"\r\nENDPROPERTIES\r\nCHARS 3\r\n"
        "STARTCHAR one\r\nENCODING 49\r\nSWIDTH 750 0\r\nDWIDTH 4 0\r\nBBX 3 4 0 -1\r\n"
        "BITMAP\r\n40\r\nc0\r\n40\r\nE0\r\nENDCHAR\r\n"
        "COMMENT between\r\nSTARTCHAR unencoded\r\nENCODING -1 7\r\nBBX 1 1 0 0\r\n"
        "BITMAP\r\n80\r\nENDCHAR\r\n"
        "STARTCHAR three\r\nENCODING 51\r\nX-ODD 1\r\nBBX 2 2 1 0\r\nBITMAP\r\n"
        "C0\r\n40\r\nENDCHAR\r\nENDFONT\r\n";
    struct Case {
        const char* what;
        std::function<void(BitmapFont&)> edit;
        std::vector<std::pair<std::string, std::string>> replaced;  // in order
    };
    const Case cases[] = {
        {"a dot in a row written in lower case",
         [](BitmapFont& f) { f.find(U'1')->setDot(2, 1, true); },
         {{"c0\r\n", "E0\r\n"}}},
        {"a name and an advance with no DWIDTH line",
         [](BitmapFont& f) {
             f.find(U'3')->name = "three.alt";
             f.find(U'3')->advance = 5;
         },
         {{"STARTCHAR three\r", "STARTCHAR three.alt\r"}, {"BBX 2 2", "DWIDTH 5 0\r\nBBX 2 2"}}},
        {"a taller glyph: its box, its rows, the font's box",
         [](BitmapFont& f) {
             BitmapGlyph& g = *f.find(U'3');
             g.height = 3;
             g.bottom = 1;
             g.rows = {1, 2, 3};
         },
         {{"FONTBOUNDINGBOX 3 4 0 -1", "FONTBOUNDINGBOX 3 5 0 -1"},
          {"BBX 2 2 1 0\r\nBITMAP\r\nC0\r\n40", "BBX 2 3 1 1\r\nBITMAP\r\n80\r\n40\r\nC0"}}},
        {"a glyph gone and one added between, the count, the ascent and a new descent",
         [](BitmapFont& f) {
             f.erase(U'1');
             BitmapGlyph two = state::blankGlyph(U'2', 1, 1);
             two.rows = {1};
             two.name = "two";
             f.put(two);
             f.ascent = 4;
             f.descent = 2;
         },
         {{"STARTPROPERTIES 2", "STARTPROPERTIES 3"},
          {"FONT_ASCENT 3", "FONT_ASCENT 4"},
          {"ENDPROPERTIES", "FONT_DESCENT 2\r\nENDPROPERTIES"},
          // In the place of the glyph of the next lower character.
          {"STARTCHAR one\r\nENCODING 49\r\nSWIDTH 750 0\r\nDWIDTH 4 0\r\nBBX 3 4 0 -1\r\n"
           "BITMAP\r\n40\r\nc0\r\n40\r\nE0\r\nENDCHAR\r\n",
           "STARTCHAR two\r\nENCODING 50\r\nSWIDTH 240 0\r\nDWIDTH 1 0\r\n"
           "BBX 1 1 0 0\r\nBITMAP\r\n80\r\nENDCHAR\r\n"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BdfDocument document = BdfDocument::read(font);
        EXPECT_EQ(document.font().ascent, 3);
        EXPECT_EQ(document.font().descent, 1);
        ASSERT_EQ(document.font().glyphs.size(), 2u);
        c.edit(document.font());
        std::string expected = font;
        std::size_t from = 0;
        for (const auto& [was, now] : c.replaced) {
            const std::size_t at = expected.find(was, from);
            ASSERT_NE(at, std::string::npos) << was;
            expected.replace(at, was.size(), now);
            from = at + now.size();
        }
        const std::string written = document.write();
        EXPECT_EQ(written, expected);
        EXPECT_EQ(BdfDocument::read(written).font(), document.font());
    }
}

TEST(BitmapFonts, BdfDocumentRefusesWithCauseAndLine) {
    const std::string head = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 1\n";
    const auto glyph = [](const std::string& encoding, const std::string& box,
                          const std::string& rows) {
        return "STARTCHAR g\nENCODING " + encoding + "\nBBX " + box + "\nBITMAP\n" + rows +
               "ENDCHAR\n";
    };
    std::string tooMany = head;
    for (int i = 0; i <= state::kMaxBitmapGlyphs; ++i)
        tooMany += glyph(std::to_string(i), "0 0 0 0", "");
    struct Case {
        std::string bdf;
        state::Cause cause;
        state::Facts facts;
    };
    const Case cases[] = {
        {"STARTFONTX\n", state::Cause::NotBdf, {.line = 1}},
        {head + glyph("x", "1 1 0 0", "80\n"), state::Cause::BdfSyntax, {.line = 5}},
        {head + glyph("1114112", "1 1 0 0", "80\n"), state::Cause::BdfSyntax, {.line = 5}},
        {head + glyph("65", "9 1 0 0", "80\n"), state::Cause::BitmapRow, {.line = 8}},
        {head + glyph("65", "1 2 0 0", "80\n"), state::Cause::BitmapRow, {.line = 9}},
        {head + glyph("65", "65 1 0 0", ""), state::Cause::BdfGlyphTooLarge, {.line = 6}},
        {head + "STARTCHAR open\nENCODING 65\n",
         state::Cause::BdfNotClosed,
         {.line = 4, .value = "open"}},
        {head + glyph("66", "1 1 0 0", "80\n") + glyph("65", "1 1 0 0", "80\n") +
             glyph("66", "1 1 0 0", "80\n"),
         state::Cause::BdfEncodingTwice,
         {.line = 17, .code = 66, .value = "g"}},
        {tooMany, state::Cause::BdfTooManyGlyphs, {.line = 4 + 5 * state::kMaxBitmapGlyphs}},
    };
    for (const Case& c : cases) {
        expectFailure([&] { BdfDocument::read(c.bdf); }, c.cause, c.facts);
    }
}

}  // namespace
}  // namespace fontedit::formats
