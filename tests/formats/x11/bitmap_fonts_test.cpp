// Fonts of any cell: Debian's fonts as BDF documents, each glyph against the dots FreeType
// draws of the same file, back to the same bytes unchanged and changed only where an edit
// reaches.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "formats/common/bitmap_readers.h"
#include "formats/common/bitmap_writers.h"
#include "formats/font_import.h"
#include "formats/registry.h"
#include "formats/x11/bdf_document.h"
#include "state/character_list.h"
#include "state/failure.h"
#include "state/utf8.h"
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

// Every glyph of `font` as FreeType draws the font file at `path`, at its strike of `size`
// pixels or its only one, and its advance; by its Unicode map.
void expectFreeTypeDraws(const std::filesystem::path& path, const BitmapFont& font, int size = 0) {
    FT_Library library;
    FT_Face face;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Face(library, path.c_str(), 0, &face), 0) << path;
    ASSERT_EQ(size ? FT_Set_Pixel_Sizes(face, 0, size) : FT_Select_Size(face, 0), 0);
    ASSERT_EQ(FT_Select_Charmap(face, FT_ENCODING_UNICODE), 0);
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
        const std::vector<std::string> before = support::linesOf(bdf),
                                       after = support::linesOf(changed);
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

// The glyphs of a PSF1 or PSF2 file as its header and Unicode table place them: each
// character's cell, rows of whole bytes, the left dot in bit 7; read here on its own.
struct PsfCells {
    unsigned width = 0, height = 0;
    std::map<char32_t, std::set<Dot>> cells;  // x from the cell's left, y down from its top
};
PsfCells decodePsf(const std::string& psf) {
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(psf.at(at)); };
    const auto word = [&](std::size_t at) {
        unsigned value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | byte(at + i);
        return value;
    };
    const bool psf1 = psf.starts_with("\x36\x04");
    EXPECT_TRUE(psf1 || psf.starts_with("\x72\xB5\x4A\x86"));
    PsfCells decoded;
    decoded.width = psf1 ? 8 : word(28);
    decoded.height = psf1 ? byte(3) : word(24);
    const unsigned start = psf1 ? 4 : word(8), glyphs = psf1 ? (byte(2) & 1 ? 512 : 256) : word(16);
    const unsigned pitch = (decoded.width + 7) / 8, size = pitch * decoded.height;
    // PSF1 lists UCS-2 units ended by FFFF, sequences after FFFE; PSF2 UTF-8, FF and FE.
    constexpr unsigned end = 0x110000, sequence = 0x110001;
    std::size_t at = start + glyphs * size;
    const auto unit = [&] {
        const unsigned first = psf1 ? byte(at) | byte(at + 1) << 8 : byte(at);
        if (first == (psf1 ? 0xFFFFu : 0xFFu) || first == (psf1 ? 0xFFFEu : 0xFEu)) {
            at += psf1 ? 2 : 1;
            return first == (psf1 ? 0xFFFFu : 0xFFu) ? end : sequence;
        }
        if (psf1) {
            at += 2;
            return first;
        }
        const state::Utf8Sequence utf8 = state::utf8Sequence(psf.substr(at));
        at += utf8.length;
        return static_cast<unsigned>(utf8.codePoint);
    };
    for (unsigned glyph = 0; glyph < glyphs; ++glyph) {
        bool inSequence = false;
        for (unsigned value = unit(); value != end; value = unit()) {
            inSequence = inSequence || value == sequence;
            // The first glyph listing a character draws it; a sequence draws none.
            if (inSequence || decoded.cells.contains(value)) continue;
            std::set<Dot>& dots = decoded.cells[value];
            for (unsigned y = 0; y < decoded.height; ++y) {
                for (unsigned x = 0; x < decoded.width; ++x) {
                    if (psf[start + glyph * size + y * pitch + x / 8] & (0x80 >> x % 8))
                        dots.insert({static_cast<int>(x), static_cast<int>(y)});
                }
            }
        }
    }
    return decoded;
}

// The glyph's dots in the terms of a cell whose origin stands `originX` from its left and
// `ascent` rows below its top.
std::set<Dot> inCell(const BitmapGlyph& glyph, int originX, int ascent) {
    std::set<Dot> dots;
    for (const auto& [x, y] : dotsOf(glyph)) dots.insert({originX + x, ascent - 1 - y});
    return dots;
}

std::string unpacked(const std::string& path) {
    return gunzip(readBytes(path));
}

// Debian's fonts read at their own size, each checked against pcf2bdf or FreeType or its
// own bytes, then written in each format and drawn back by decoders of this test's own or
// FreeType: every glyph dot for dot.
TEST(BitmapFonts, RealFontsGoIntoEveryFormatDotForDot) {
    struct Font {
        const char* name;
        std::function<BitmapFont(const ScratchDirectory&)> read;
    };
    const auto x11 = [](const char* name) {
        return [name](const ScratchDirectory& dir) {
            const BitmapFont font =
                readPcf(unpacked(std::string("/usr/share/fonts/X11/misc/") + name + ".pcf.gz"));
            EXPECT_EQ(font, readBdf(pcf2bdf(dir, name)));
            return font;
        };
    };
    const auto console = [](const char* name) {
        return [name](const ScratchDirectory&) {
            const std::string psf = unpacked(std::string("/usr/share/consolefonts/") + name);
            const BitmapFont font = readPsf(psf);
            const PsfCells theirs = decodePsf(psf);
            EXPECT_EQ(font.glyphs.size(), theirs.cells.size());
            for (const BitmapGlyph& glyph : font.glyphs) {
                EXPECT_EQ(inCell(glyph, 0, font.ascent), theirs.cells.at(glyph.character));
            }
            return font;
        };
    };
    const std::string terminus = "/usr/share/fonts/opentype/terminus/terminus-normal.otb";
    const Font fonts[] = {
        {"5x8", x11("5x8")},
        {"6x13", x11("6x13")},
        {"unifont", x11("unifont")},
        {"terminus 16",
         [&](const ScratchDirectory&) {
             const BitmapFont font = readTrueType(readBytes(terminus), {.size = 16});
             expectFreeTypeDraws(terminus, font, 16);
             return font;
         }},
        {"Uni2-Terminus16", console("Uni2-Terminus16.psf.gz")},
        {"Uni2-Terminus32x16", console("Uni2-Terminus32x16.psf.gz")},
    };
    struct Case {
        const char* font;
        const char* format;
        const char* chars;  // all when empty
        std::pair<unsigned, unsigned> psfCell{};
    };
    const Case cases[] = {
        {"5x8", "bdf", ""},
        {"5x8", "psf", "0x20-0x7E,0xB0,0x2500-0x257F"},
        {"6x13", "png", ""},
        {"6x13", "bin", ""},
        {"unifont", "bdf", ""},
        {"unifont", "psf", "0x20-0x7E,0xB0,U+3040-U+309F"},
        {"unifont", "bin", ""},
        {"terminus 16", "bdf", ""},
        {"terminus 16", "png", "0x20-0x7E"},
        {"Uni2-Terminus16", "psf", "", {8, 16}},
        {"Uni2-Terminus32x16", "psf", "", {16, 32}},
        {"Uni2-Terminus32x16", "bdf", ""},
    };
    ScratchDirectory dir;
    std::map<std::string, BitmapFont> read;
    for (const Font& font : fonts) {
        SCOPED_TRACE(font.name);
        read[font.name] = font.read(dir);
        ASSERT_FALSE(read[font.name].glyphs.empty());
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.font) + " as " + c.format + " " + c.chars);
        BitmapFont font = read.at(c.font);
        if (*c.chars) font = state::withCharacters(font, state::parseCharacterList(c.chars, {}));
        const std::string bytes = formatNamed(c.format)->writeBitmap(font, {.name = "test"});
        const GlyphCell cell = glyphCell(font);
        const std::string format = c.format;
        if (format == "bdf") {
            writeBytes(dir / "out.bdf", bytes);
            expectFreeTypeDraws(dir / "out.bdf", font);
            EXPECT_EQ(BdfDocument::read(bytes).write(), bytes);
        } else if (format == "psf") {
            const PsfCells decoded = decodePsf(bytes);
            if (c.psfCell.first) {
                EXPECT_EQ(std::pair(decoded.width, decoded.height), c.psfCell);
            }
            EXPECT_EQ(decoded.cells.size(), font.glyphs.size());
            for (const BitmapGlyph& glyph : font.glyphs) {
                ASSERT_EQ(inCell(glyph, cell.originX, cell.ascent),
                          decoded.cells.at(glyph.character));
            }
            writeBytes(dir / "out.psf", bytes);
            runOrFail("psfxtable -i " + (dir / "out.psf").string() + " -ot " +
                      (dir / "table").string());
        } else if (format == "bin") {
            const std::size_t pitch = (cell.width + 7) / 8, size = pitch * cell.height;
            ASSERT_EQ(bytes.size(), size * font.glyphs.size());
            for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
                std::set<Dot> dots;
                for (int y = 0; y < cell.height; ++y) {
                    for (int x = 0; x < cell.width; ++x) {
                        if (bytes[i * size + y * pitch + x / 8] & (0x80 >> x % 8))
                            dots.insert({x, y});
                    }
                }
                ASSERT_EQ(inCell(font.glyphs[i], cell.originX, cell.ascent), dots) << i;
            }
        } else {
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            ASSERT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()));
            image.format = PNG_FORMAT_RGB;
            std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
            ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
            for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
                const int left = 2 + static_cast<int>(i % 16) * (cell.width + 2);
                const int top = 2 + static_cast<int>(i / 16) * (cell.height + 2);
                std::set<Dot> dots;
                for (int y = 0; y < cell.height; ++y) {
                    for (int x = 0; x < cell.width; ++x) {
                        const unsigned char* pixel = &rgb[((top + y) * image.width + left + x) * 3];
                        if (pixel[0] == 255 && pixel[1] == 8 && pixel[2] == 0) dots.insert({x, y});
                    }
                }
                ASSERT_EQ(inCell(font.glyphs[i], cell.originX, cell.ascent), dots) << i;
            }
        }
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
        "C0\r\n40\r\nENDCHAR\r\n"
        "STARTCHAR four\r\nENCODING 52\r\nBITMAP\r\n20\r\n20\r\n20\r\n20\r\nENDCHAR\r\nENDFONT\r\n";
    struct Case {
        const char* what;
        std::function<void(BdfDocument&)> edit;
        std::vector<std::pair<std::string, std::string>> replaced;  // in order
    };
    const Case cases[] = {
        {"a dot in a row written in lower case",
         [](BdfDocument& d) { d.font().find(U'1')->setDot(2, 1, true); },
         {{"c0\r\n", "E0\r\n"}}},
        {"a name and an advance with no DWIDTH line",
         [](BdfDocument& d) {
             BitmapFont& f = d.font();
             f.find(U'3')->name = "three.alt";
             f.find(U'3')->advance = 5;
         },
         {{"STARTCHAR three\r", "STARTCHAR three.alt\r"}, {"BBX 2 2", "DWIDTH 5 0\r\nBBX 2 2"}}},
        {"a taller glyph: its box, its rows, the font's box",
         [](BdfDocument& d) {
             BitmapFont& f = d.font();
             BitmapGlyph& g = *f.find(U'3');
             g.height = 3;
             g.bottom = 1;
             g.rows = {1, 2, 3};
         },
         {{"FONTBOUNDINGBOX 3 4 0 -1", "FONTBOUNDINGBOX 3 5 0 -1"},
          {"BBX 2 2 1 0\r\nBITMAP\r\nC0\r\n40", "BBX 2 3 1 1\r\nBITMAP\r\n80\r\n40\r\nC0"},
          // A glyph drawn in the font's box keeps the box it had.
          {"ENCODING 52\r\nBITMAP", "ENCODING 52\r\nBBX 3 4 0 -1\r\nBITMAP"}}},
        {"a glyph gone and one added between, the count, the ascent and a new descent",
         [](BdfDocument& d) {
             BitmapFont& f = d.font();
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
        {"a family of its own, where FONT gave one",
         [](BdfDocument& d) { d.font().family = "T\"x"; },
         {{"STARTPROPERTIES 2", "STARTPROPERTIES 3"},
          {"ENDPROPERTIES", "FAMILY_NAME \"T\"\"x\"\r\nENDPROPERTIES"}}},
        {"only one character kept: the others and the glyph with none go, with what precedes",
         [](BdfDocument& d) { d.keepOnly({U'3'}); },
         {{"CHARS 3", "CHARS 1"},
          {"STARTCHAR one\r\nENCODING 49\r\nSWIDTH 750 0\r\nDWIDTH 4 0\r\nBBX 3 4 0 -1\r\n"
           "BITMAP\r\n40\r\nc0\r\n40\r\nE0\r\nENDCHAR\r\nCOMMENT between\r\n"
           "STARTCHAR unencoded\r\nENCODING -1 7\r\nBBX 1 1 0 0\r\nBITMAP\r\n80\r\nENDCHAR\r\n",
           ""},
          {"STARTCHAR four\r\nENCODING 52\r\nBITMAP\r\n20\r\n20\r\n20\r\n20\r\nENDCHAR\r\n", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BdfDocument document = BdfDocument::read(font);
        EXPECT_EQ(document.font().family, "t");
        EXPECT_EQ(document.font().ascent, 3);
        EXPECT_EQ(document.font().descent, 1);
        ASSERT_EQ(document.font().glyphs.size(), 3u);
        c.edit(document);
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
