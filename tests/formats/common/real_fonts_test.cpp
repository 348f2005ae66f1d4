// Debian's X11 fixed fonts, drawn by others, converted by Debian's pcf2bdf as the test runs:
// every dot of their glyphs for codes 32-127 must land where the font's own bitmap puts it,
// and the installed .pcf.gz, imported as it is, must give the same font. Debian's TrueType
// and OpenType pixel fonts likewise, against FreeType.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

#include "formats/font_import.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using namespace support;

using Dot = std::pair<int, int>;  // x from the left, y up from the baseline (0 = just above)

struct BdfGlyph {
    std::string name;
    std::set<Dot> dots;
};

// The glyphs at ENCODING 32-127 as the BITMAP rows draw them, read here on their own.
std::map<int, BdfGlyph> glyphsOf(const std::string& bdf) {
    std::map<int, BdfGlyph> glyphs;
    std::istringstream lines(bdf);
    std::string keyword, name;
    int encoding = -1, width = 0, height = 0, left = 0, bottom = 0;
    while (lines >> keyword) {
        if (keyword == "STARTCHAR") lines >> name;
        if (keyword == "ENCODING") lines >> encoding;
        if (keyword == "BBX") lines >> width >> height >> left >> bottom;
        if (keyword != "BITMAP" || encoding < 32 || encoding > 127) continue;
        BdfGlyph& glyph = glyphs[encoding];
        glyph.name = name;
        for (int row = 0; row < height; ++row) {
            std::string hex;
            lines >> hex;
            const unsigned long bits = std::stoul(hex, nullptr, 16);
            const int rowBits = static_cast<int>(hex.size()) * 4;
            for (int x = 0; x < width; ++x) {
                if (bits >> (rowBits - 1 - x) & 1)
                    glyph.dots.insert({left + x, bottom + height - 1 - row});
            }
        }
    }
    return glyphs;
}

// The cell's dots in the same terms: row `baseline` stands on the baseline, those below
// it under.
std::set<Dot> cellDots(const state::FontData& data, int code, int baseline) {
    std::set<Dot> dots;
    for (int column = 0; column < state::kGlyphColumns; ++column) {
        const unsigned long bits = std::stoul(data.cells[code][column], nullptr, 16);
        for (int row = 0; row < state::kGlyphRows; ++row) {
            if (bits >> row & 1) dots.insert({column, baseline - row});
        }
    }
    return dots;
}

bool insideCell(const Dot& dot, int baseline) {
    return dot.first >= 0 && dot.first < state::kGlyphColumns &&
           dot.second >= baseline - (state::kGlyphRows - 1) && dot.second <= baseline;
}

// One of Debian's fonts as installed, unpacked, and as Debian's pcf2bdf converts it.
struct DebianFont {
    std::string pcf;
    std::string bdf{};
};

DebianFont debianFont(const std::string& name) {
    const std::filesystem::path packed =
        std::filesystem::path("/usr/share/fonts/X11/misc") / (name + ".pcf.gz");
    DebianFont font{.pcf = gunzip(readBytes(packed))};
    ScratchDirectory dir;
    writeBytes(dir / "font.pcf", font.pcf);
    const std::string command =
        "pcf2bdf -o " + (dir / "font.bdf").string() + " " + (dir / "font.pcf").string();
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << command;
    font.bdf = readBytes(dir / "font.bdf");
    return font;
}

TEST(RealFonts, GlyphsLandWhereTheirOwnBitmapsPutThem) {
    struct Case {
        const char* name;
        std::optional<int> baseline;  // unset: the default, row 6 for all four
        int code;                     // of a glyph known by heart
        std::array<std::string, state::kGlyphColumns> cells;
    };
    const Case cases[] = {
        {"5x8", {}, 33, {"7C", "12", "12", "7C", "0"}},
        {"5x7", {}, 71, {"50", "A8", "A8", "98", "0"}},
        {"4x6", {}, 33, {"78", "14", "78", "0", "0"}},
        {"6x10", {}, 71, {"98", "24", "24", "24", "FC"}},
        // Two rows of descent: the tails of g j p q y and the underscore stay.
        {"6x10", 5, 71, {"4C", "92", "92", "92", "7E"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int baseline = c.baseline.value_or(6);
        const DebianFont debian = debianFont(c.name);
        const std::string& pcf = debian.pcf;
        const std::string& bdf = debian.bdf;
        const std::map<int, BdfGlyph> glyphs = glyphsOf(bdf);
        ASSERT_GE(glyphs.size(), 95u);

        const BdfGlyph* tooLarge = nullptr;
        int tooLargeCode = 0;
        for (const auto& [encoding, glyph] : glyphs) {
            for (const Dot& dot : glyph.dots) {
                if (!tooLarge && !insideCell(dot, baseline)) {
                    tooLarge = &glyph;
                    tooLargeCode = encoding - 32;
                }
            }
        }
        ImportOptions options{.baseline = c.baseline};
        if (tooLarge) {
            try {
                importBdf(bdf, options);
                ADD_FAILURE() << "taken with dots outside the cell";
            } catch (const state::Failure& failure) {
                EXPECT_EQ(failure.cause(), state::Cause::GlyphTooLarge);
                EXPECT_EQ(failure.facts().value, tooLarge->name);
            }
            expectFailure([&] { importPcf(pcf, options); }, state::Cause::GlyphTooLarge,
                          {.code = tooLargeCode, .value = tooLarge->name});
            options.crop = true;
        }
        const ImportedFont font = importBdf(bdf, options);
        for (int code = 0; code < state::kSavedCodes; ++code) {
            std::set<Dot> expected;
            if (const auto glyph = glyphs.find(32 + code); glyph != glyphs.end()) {
                std::copy_if(glyph->second.dots.begin(), glyph->second.dots.end(),
                             std::inserter(expected, expected.end()),
                             [&](const Dot& dot) { return insideCell(dot, baseline); });
            }
            EXPECT_EQ(cellDots(font.data, code, baseline), expected) << "code " << code;
        }
        EXPECT_EQ(font.data.labels[33], "A");
        EXPECT_EQ(font.data.cells[c.code], c.cells);

        const ImportedFont direct = importPcf(pcf, options);
        EXPECT_EQ(direct.data.cells, font.data.cells);
        EXPECT_EQ(direct.data.labels, font.data.labels);
        EXPECT_EQ(direct.notes, font.notes);
    }
}

// PCF counts its metrics unsigned: bdftopcf's font of 40,000 one-row glyphs, and Unifont's
// 57,086, come in as their BDF does.
TEST(RealFonts, PcfOfMoreThan32767GlyphsComesIn) {
    std::string bdf =
        "STARTFONT 2.1\nFONT many\nSIZE 8 75 75\nFONTBOUNDINGBOX 5 1 0 0\n"
        "STARTPROPERTIES 2\nFONT_ASCENT 2\nFONT_DESCENT 0\nENDPROPERTIES\nCHARS 40000\n";
    for (int code = 0; code < 40000; ++code) {
        char glyph[160];
        std::snprintf(glyph, sizeof glyph,
                      "STARTCHAR g%d\nENCODING %d\nSWIDTH 600 0\nDWIDTH 6 0\nBBX 5 1 0 0\n"
                      "BITMAP\n%02X\nENDCHAR\n",
                      code, code, code * 8 & 0xF8);
        bdf += glyph;
    }
    bdf += "ENDFONT\n";
    ScratchDirectory dir;
    writeBytes(dir / "many.bdf", bdf);
    const std::string command =
        "bdftopcf -o " + (dir / "many.pcf").string() + " " + (dir / "many.bdf").string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const ImportedFont viaPcf = importPcf(readBytes(dir / "many.pcf"), {.first = 32});
    EXPECT_EQ(viaPcf.data.cells, importBdf(bdf, {.first = 32}).data.cells);
    EXPECT_EQ(viaPcf.data.cells[33], (std::array<std::string, 5>{"0", "0", "0", "0", "40"}));

    const std::string unifont = gunzip(readBytes("/usr/share/fonts/X11/misc/unifont.pcf.gz"));
    const ImportedFont font = importPcf(unifont, {.crop = true});
    EXPECT_NE(font.data.cells[33], (std::array<std::string, 5>{"0", "0", "0", "0", "0"}));
}

// The dots of `character` in strike `strike` as FreeType draws them.
std::set<Dot> strikeDots(const std::string& path, int strike, char32_t character) {
    FT_Library library;
    FT_Face face;
    EXPECT_EQ(FT_Init_FreeType(&library), 0);
    EXPECT_EQ(FT_New_Face(library, path.c_str(), 0, &face), 0);
    EXPECT_EQ(FT_Select_Size(face, strike), 0);
    std::set<Dot> dots;
    const FT_UInt index = FT_Get_Char_Index(face, character);
    if (index != 0 && FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0) {
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned x = 0; x < bitmap.width; ++x) {
                if (bitmap.buffer[row * bitmap.pitch + x / 8] & (0x80 >> x % 8)) {
                    dots.insert({face->glyph->bitmap_left + static_cast<int>(x),
                                 face->glyph->bitmap_top - 1 - static_cast<int>(row)});
                }
            }
        }
    }
    FT_Done_FreeType(library);
    return dots;
}

// Debian's TrueType and OpenType pixel fonts: each glyph the dots FreeType's own API draws of
// the font's strike, by character or as JIS X 0201 reads the code.
TEST(RealFonts, StrikesGiveTheDotsFreeTypeDraws) {
    struct Case {
        const char* path;
        ImportOptions options;
        bool tooLarge;                       // without --crop
        std::optional<char32_t> katakana{};  // the character of glyph 1 read as JIS X 0201
    };
    const Case cases[] = {
        {"/usr/share/fonts/truetype/misaki/misaki_gothic.ttf", {}, false},
        {"/usr/share/fonts/truetype/misaki/misaki_gothic.ttf",
         {.first = 0xA0, .charset = ImportOptions::Charset::JisX0201},
         false,
         0xFF61},
        // From the top of the capitals down; the lowest row of the descent is cut.
        {"/usr/share/fonts/opentype/creep2/creep2.otb", {.crop = true, .baseline = 6}, true},
        {"/usr/share/fonts/opentype/terminus/terminus-normal.otb", {.crop = true}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string bytes = readBytes(c.path);
        const int baseline = c.options.baseline.value_or(6);
        const ImportedFont font = importTrueType(bytes, c.options);
        const long long first = c.options.first.value_or(0x20);
        bool cropped = false;
        for (int code = 0; code < state::kSavedCodes; ++code) {
            char32_t character = static_cast<char32_t>(first + code);
            if (c.katakana) {
                if (code != 1) continue;
                character = *c.katakana;
            }
            std::set<Dot> expected;
            for (const Dot& dot : strikeDots(c.path, 0, character)) {
                if (insideCell(dot, baseline)) {
                    expected.insert(dot);
                } else {
                    cropped = true;
                }
            }
            EXPECT_EQ(cellDots(font.data, code, baseline), expected) << "code " << code;
        }
        EXPECT_EQ(cropped, c.tooLarge);
        if (c.katakana) continue;
        EXPECT_EQ(font.data.labels[33], "A");
        if (c.tooLarge) {
            ImportOptions options = c.options;
            options.crop = false;
            EXPECT_THROW(
                try { importTrueType(bytes, options); } catch (const state::Failure& failure) {
                    EXPECT_EQ(failure.cause(), Cause::GlyphTooLarge);
                    throw;
                },
                state::Failure);
        }
    }
}

// The column bytes of the glyph for ASCII `code`, bit 0 the top dot; none outside 32-127.
using ColumnsOf = std::function<std::vector<unsigned>(int code)>;

std::vector<unsigned> rowsOf(const std::vector<unsigned>& columns, int leftBit) {
    std::vector<unsigned> rows(state::kGlyphRows);
    for (int row = 0; row < state::kGlyphRows; ++row) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            if (columns[column] >> row & 1) rows[row] |= 1u << (leftBit - column);
        }
    }
    return rows;
}

std::string byteList(const std::vector<unsigned>& bytes, bool binary = false) {
    std::string list;
    for (const unsigned byte : bytes) {
        if (!list.empty()) list += ", ";
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", byte);
        list += binary ? "0b" + std::bitset<8>(byte).to_string() : std::string(hex);
    }
    return list;
}

// The shapes display libraries keep a 5 x 8 font in, filled with a real font's glyphs: each
// must come back exactly without options, or be refused, as a wrong font is worse than none.
TEST(RealFonts, TablesInTheShapesOfDisplayLibrariesReadBackExactly) {
    const std::string bdf = debianFont("5x8").bdf;
    const ImportedFont reference = importBdf(bdf, {});
    const ColumnsOf columnsOf = [&](int code) {
        std::vector<unsigned> columns(state::kGlyphColumns);
        if (code < 32 || code >= 32 + state::kSavedCodes) return columns;
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            columns[column] = std::stoul(reference.data.cells[code - 32][column], nullptr, 16);
        }
        return columns;
    };
    struct Case {
        const char* what;
        std::function<std::string()> source;
        std::optional<state::Cause> refused{};
        std::optional<std::size_t> stride{};
        std::optional<std::size_t> offset{};
    };
    // A keyboard's glcdfont.c: logos drawn across all six bytes of the glyphs from 128 on.
    const auto keyboardFont = [&] {
        std::string source = "static const unsigned char font[] PROGMEM = {\n";
        for (int code = 0; code < 224; ++code) {
            std::vector<unsigned> bytes = columnsOf(code);
            bytes.push_back(0);
            if (code >= 128) bytes = {0x81, 0x42, 0x24, 0x18, 0x24, static_cast<unsigned>(code)};
            source += "  " + byteList(bytes) + ",\n";
        }
        return source + "};\n";
    };
    const Case cases[] = {
        {"a spacer column after each glyph, 224 glyphs from code 0",
         [&] {
             std::string source = "const unsigned char font6x8[] = {\n";
             for (int code = 0; code < 224; ++code) {
                 std::vector<unsigned> bytes = columnsOf(code);
                 bytes.push_back(0);
                 source += "  " + byteList(bytes) + ",\n";
             }
             return source + "};\n";
         }},
        {"rows, the left dot in the top bit, 95 glyphs from the space",
         [&] {
             std::string source = "static const uint8_t font[95][8] PROGMEM = {\n";
             for (int code = 32; code < 127; ++code) {
                 source += "  {" + byteList(rowsOf(columnsOf(code), 7)) + "},\n";
             }
             return source + "};\n";
         }},
        {"a character LCD's CGROM, rows in bits 4-0, by designators and binary constants",
         [&] {
             std::string source = "const uint8_t cgrom[256][8] = {\n";
             for (int code = 127; code >= 32; --code) {
                 source += "  [" + byteList({static_cast<unsigned>(code)}) + "] = {" +
                           byteList(rowsOf(columnsOf(code), 4), true) + "},\n";
             }
             return source + "};\n";
         }},
        {"a GLCD header of size, width, height, first character and count",
         [&] {
             std::string source =
                 "static const uint8_t System5x8[] = {\n"
                 "  0x00, 0x00, // size\n  0x05, 0x08, 0x20, 0x60,\n";
             for (int code = 32; code < 128; ++code) source += byteList(columnsOf(code)) + ",\n";
             return source + "};\n";
         }},
        {"the classic font of Adafruit GFX, 256 glyphs from code 0 with symbols around",
         [&] {
             std::string source =
                 "#ifndef FONT5X7_H\n#define FONT5X7_H\n#ifdef __AVR__\n#include <avr/io.h>\n"
                 "#elif defined(ESP8266)\n#include <pgmspace.h>\n#else\n#define PROGMEM\n"
                 "#endif\nstatic const unsigned char font[] PROGMEM = {\n";
             for (int code = 0; code < 256; ++code) {
                 std::vector<unsigned> bytes = columnsOf(code);
                 if (code < 32 || code >= 128) {
                     for (int column = 0; column < 5; ++column)
                         bytes[column] = (code * 7 + column * 29) & 0xFF;
                 }
                 source += "  " + byteList(bytes) + ",\n";
             }
             return source + "};\n#endif\n";
         }},
        {"an MD_MAX72XX font, each glyph as wide as its dots",
         [&] {
             std::string source = "MD_MAX72XX::fontType_t f[] PROGMEM = {'F', 1, 32, 127, 8,\n";
             for (int code = 32; code < 128; ++code) {
                 std::vector<unsigned> columns = columnsOf(code);
                 while (!columns.empty() && columns.back() == 0) columns.pop_back();
                 columns.insert(columns.begin(), static_cast<unsigned>(columns.size()));
                 source += byteList(columns) + ",\n";
             }
             return source + "};\n";
         }},
        {"a GLCD header and a width per glyph",
         [&] {
             std::vector<unsigned> widths, bytes;
             for (int code = 32; code < 128; ++code) {
                 std::vector<unsigned> columns = columnsOf(code);
                 while (columns.size() > 1 && columns.back() == 0) columns.pop_back();
                 widths.push_back(static_cast<unsigned>(columns.size()));
                 bytes.insert(bytes.end(), columns.begin(), columns.end());
             }
             return "static const uint8_t Narrow5[] = {0x12, 0x34, 0x05, 0x08, 0x20, 0x60,\n" +
                    byteList(widths) + ",\n" + byteList(bytes) + "};\n";
         },
         state::Cause::VariableWidth},
        {"a keyboard's glcdfont.c, named", keyboardFont, {}, 6, 192},
        {"a keyboard's glcdfont.c", keyboardFont},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string source = c.source();
        if (c.refused) {
            expectFailure([&] { importCTable(source, {}); }, *c.refused, {.line = 1});
            continue;
        }
        const ImportedFont font = importCTable(source, {.offset = c.offset, .stride = c.stride});
        EXPECT_EQ(font.data.cells, reference.data.cells) << source;
        EXPECT_EQ(font.data.labels, reference.data.labels);
    }
}

// The character set a PCF font names, as FreeType reads it: "registry-encoding".
std::string charsetOf(const std::filesystem::path& font) {
    FT_Library library;
    FT_Face face;
    EXPECT_EQ(FT_Init_FreeType(&library), 0);
    std::string charset;
    if (FT_New_Face(library, font.c_str(), 0, &face) == 0) {
        const char *encoding = nullptr, *registry = nullptr;
        if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) == 0 && registry && encoding) {
            charset = std::string(registry) + "-" + encoding;
        }
    }
    FT_Done_FreeType(library);
    return charset;
}

// Debian's X11 fonts whose codes are of a character set of their own come in labelled by
// their glyphs' names, and say so; no other font does.
TEST(RealFonts, OwnCharacterSetsAreLabelledByTheGlyphsNames) {
    int own = 0;
    for (const char* folder : {"misc", "75dpi", "100dpi"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path("/usr/share/fonts/X11") / folder)) {
            if (!entry.path().string().ends_with(".pcf.gz")) continue;
            const std::string charset = charsetOf(entry.path());
            // The sets Debian's fonts come in that keep ASCII, or are Unicode.
            bool asciiBased = charset.empty();
            for (const char* set :
                 {"ISO10646-", "ISO8859-", "ISO646.1991-", "KOI8-", "JISX0201.1976-"}) {
                asciiBased = asciiBased || charset.starts_with(set);
            }
            const bool ownCodes = !asciiBased;
            const bool named = charset.starts_with("3270cg-") || charset == "Adobe-FontSpecific" ||
                               charset == "DEC-DECtech";
            own += named;
            ImportedFont font;
            try {
                font = importPcf(gunzip(readBytes(entry.path())), {.crop = true});
            } catch (const state::Failure& failure) {
                // Fonts with no glyph from 32 to 127, such as those of two-byte sets.
                EXPECT_FALSE(named) << entry.path() << ": " << failure.number();
                continue;
            }
            const bool noted =
                std::ranges::find(font.notes, ImportNote{.kind = ImportNote::Kind::OwnCharset,
                                                         .name = charset}) != font.notes.end();
            EXPECT_EQ(noted, ownCodes) << entry.path() << " " << charset;
            if (!ownCodes) continue;
            ScratchDirectory dir;
            writeBytes(dir / "font.pcf", gunzip(readBytes(entry.path())));
            const std::string command =
                "pcf2bdf -o " + (dir / "font.bdf").string() + " " + (dir / "font.pcf").string();
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            for (const auto& [encoding, glyph] : glyphsOf(readBytes(dir / "font.bdf"))) {
                const std::string& label = font.data.labels[encoding - 32];
                if (glyph.name.size() == 1) {
                    EXPECT_EQ(label, glyph.name) << entry.path() << " " << encoding;
                } else if (glyph.name.starts_with("dec_") || glyph.name.starts_with("apl_")) {
                    EXPECT_EQ(label, "") << entry.path() << " " << glyph.name;
                }
            }
        }
    }
    EXPECT_EQ(own, 33) << "3270cg, Adobe-FontSpecific and DEC-DECtech fonts";
    // U+2200 for all; "egrave", which no label can hold, rather than the "A" of its code.
    EXPECT_EQ(
        importPcf(gunzip(readBytes("/usr/share/fonts/X11/75dpi/symb08.pcf.gz")), {.crop = true})
            .data.labels[2],
        "\u2200");
    EXPECT_EQ(
        importPcf(gunzip(readBytes("/usr/share/fonts/X11/misc/3270gt8.pcf.gz")), {.crop = true})
            .data.labels[33],
        "");
}

// Outline fonts drawn on a pixel grid come in as FreeType draws them, as their PCF twins, with
// points a few 1/64 of a pixel from a corner taken as on it; a face with nothing in the range is
// refused, as PCF and PSF are.
TEST(RealFonts, PixelOutlinesComeInAsTheirBitmapTwins) {
    for (const char* name : {"spleen-6x12", "spleen-12x24"}) {
        SCOPED_TRACE(name);
        const ImportedFont twin = importPcf(
            gunzip(readBytes(std::string("/usr/share/fonts/X11/misc/") + name + ".pcf.gz")),
            {.crop = true});
        const std::string otf =
            readBytes(std::string("/usr/share/fonts/opentype/spleen/") + name + ".otf");
        const int size = std::string(name) == "spleen-6x12" ? 12 : 24;
        for (const ImportOptions& options :
             {ImportOptions{.crop = true}, ImportOptions{.crop = true, .size = size}}) {
            const ImportedFont font = importTrueType(otf, options);
            EXPECT_EQ(font.data.cells, twin.data.cells);
        }
    }
    expectFailure(
        [] {
            importTrueType(readBytes("/usr/share/fonts/opentype/unifont/unifont_upper.otf"), {});
        },
        state::Cause::NoCharacterInRange, {.value = "U+0020"});
}

// The refusal of glyphs too large names the baseline that loses the fewest dots, with every
// glyph that loses any.
TEST(RealFonts, RefusalNamesTheCutThatLosesFewestDots) {
    struct Case {
        const char* path;
        std::optional<int> baseline;
        int dots;
    };
    const Case cases[] = {
        {"/usr/share/fonts/X11/misc/6x9.pcf.gz", 5, 7},
        {"/usr/share/fonts/X11/75dpi/lutRS08.pcf.gz", 5, 1},
        {"/usr/share/fonts/X11/misc/6x10.pcf.gz", {}, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string pcf = gunzip(readBytes(c.path));
        try {
            importPcf(pcf, {});
            ADD_FAILURE() << "taken";
        } catch (const state::Failure& failure) {
            EXPECT_EQ(failure.cause(), state::Cause::GlyphTooLarge);
            EXPECT_EQ(failure.facts().baseline, c.baseline);
            EXPECT_EQ(failure.facts().dots, c.dots);
            // Cut as told, exactly the glyphs named lose dots.
            const ImportedFont cut = importPcf(pcf, {.crop = true, .baseline = c.baseline});
            const auto cropped =
                std::ranges::find(cut.notes, ImportNote::Kind::GlyphsCropped, &ImportNote::kind);
            ASSERT_NE(cropped, cut.notes.end());
            EXPECT_EQ(cropped->count, static_cast<int>(failure.facts().names.size()));
        }
    }
}

}  // namespace
}  // namespace fontedit::formats
