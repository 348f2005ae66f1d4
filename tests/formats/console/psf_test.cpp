// PSF console fonts, read here as kbd's description of the format gives them (psf1_header,
// psf2_header, the Unicode table), not by the program's own reader: the export must be what
// setfont and bdf2psf take, and Debian's console fonts must come in dot by dot.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/own/font_files.h"
#include "formats/three_fonts.h"
#include "formats/x11/bdf_export.h"
#include "state/conversions.h"
#include "state/utf8.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

// A namespace of its own: the test files are built as one unit.
namespace fontedit::formats::console_fonts {
namespace {

using support::expectFailure;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

struct Psf {
    bool psf1 = false;
    unsigned version = 0, headerSize = 0, flags = 0, length = 0, charSize = 0, height = 0,
             width = 0;
    std::string bitmaps;
    std::map<unsigned, unsigned> positionOf;  // character to the first position listing it
    unsigned tableEntries = 0;                // characters listed, sequences aside

    bool dot(unsigned position, unsigned x, unsigned y) const {
        const unsigned rowBytes = (width + 7) / 8;
        const auto byte =
            static_cast<unsigned char>(bitmaps[position * charSize + y * rowBytes + x / 8]);
        return (byte & (0x80u >> (x % 8))) != 0;
    }
};

unsigned byteAt(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes.at(at));
}

unsigned little32(const std::string& bytes, std::size_t at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8 | byteAt(bytes, at + 2) << 16 |
           byteAt(bytes, at + 3) << 24;
}

Psf readPsf(const std::string& bytes) {
    Psf psf;
    if (byteAt(bytes, 0) == 0x36 && byteAt(bytes, 1) == 0x04) {
        const unsigned mode = byteAt(bytes, 2);
        psf.psf1 = true;
        psf.headerSize = 4;
        psf.flags = (mode & 6) ? 1u : 0u;
        psf.length = mode & 1 ? 512u : 256u;
        psf.charSize = psf.height = byteAt(bytes, 3);
        psf.width = 8;
    } else {
        EXPECT_EQ(bytes.substr(0, 4), "\x72\xB5\x4A\x86");
        psf.version = little32(bytes, 4);
        psf.headerSize = little32(bytes, 8);
        psf.flags = little32(bytes, 12);
        psf.length = little32(bytes, 16);
        psf.charSize = little32(bytes, 20);
        psf.height = little32(bytes, 24);
        psf.width = little32(bytes, 28);
    }
    EXPECT_EQ(psf.charSize, psf.height * ((psf.width + 7) / 8));
    psf.bitmaps = bytes.substr(psf.headerSize, psf.length * psf.charSize);
    std::size_t at = psf.headerSize + psf.length * psf.charSize;
    if (!(psf.flags & 1)) return psf;
    for (unsigned position = 0; position < psf.length; ++position) {
        bool sequence = false;
        for (;;) {
            unsigned value = 0;
            if (psf.psf1) {
                value = byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
                at += 2;
                if (value == 0xFFFF) break;
                if (value == 0xFFFE) sequence = true;
            } else {
                value = byteAt(bytes, at);
                if (value == 0xFF) {
                    ++at;
                    break;
                }
                if (value == 0xFE) {
                    sequence = true;
                    ++at;
                    continue;
                }
                const state::Utf8Sequence character = state::utf8Sequence(bytes.substr(at));
                EXPECT_TRUE(character.valid) << "at byte " << at;
                value = character.codePoint;
                at += character.length;
            }
            if (!sequence) {
                ++psf.tableEntries;
                psf.positionOf.emplace(value, position);
            }
        }
    }
    EXPECT_EQ(at, bytes.size());
    return psf;
}

// setfont's kernel takes 256 glyphs 8 wide; each character the table names shows its glyph's
// dots in the left five columns, nothing else, and kbd's own reader takes the file.
TEST(PsfBytes, HoldEveryGlyphWhereTheUnicodeTableSendsItsCharacter) {
    for (const NamedFont& font : threeFonts()) {
        for (const int first : {32, 0, 0xA0, 0x2500}) {
            SCOPED_TRACE(std::string(font.name) + " from " + std::to_string(first));
            const std::string bytes = psfBytes(font.data, first);
            const Psf psf = readPsf(bytes);
            EXPECT_FALSE(psf.psf1);
            EXPECT_EQ(psf.version, 0u);
            EXPECT_EQ(psf.headerSize, 32u);
            EXPECT_EQ(psf.flags, 1u);
            EXPECT_EQ(psf.length, 256u);
            EXPECT_EQ(psf.height, 8u);
            EXPECT_EQ(psf.width, 8u);
            EXPECT_EQ(psf.tableEntries, 96u);
            for (int code = 0; code < state::kSavedCodes; ++code) {
                const auto position = psf.positionOf.find(static_cast<unsigned>(first + code));
                ASSERT_NE(position, psf.positionOf.end()) << code;
                const state::GlyphBytes columns = glyphBytes(font.data, code);
                for (unsigned y = 0; y < 8; ++y) {
                    for (unsigned x = 0; x < 8; ++x) {
                        EXPECT_EQ(psf.dot(position->second, x, y),
                                  x < 5 && dotLit(columns[x], static_cast<int>(y)))
                            << code << " " << x << "," << y;
                    }
                }
            }
            // The kernel erases the screen with position 32.
            if (first <= 32) {
                EXPECT_EQ(psf.positionOf.at(32), 32u);
            }
        }
    }
    const ScratchDirectory dir;
    writeBytes(dir / "font.psf", psfBytes(threeFonts().front().data));
    const std::string table = (dir / "table.txt").string();
    const std::string command = "psfgettable " + (dir / "font.psf").string() + " " + table;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(readBytes(table).find("\n0x041\tU+0041\n"), std::string::npos);
}

// Debian's bdf2psf, given our BDF export as it stands, draws each character as our PSF does.
TEST(PsfBytes, AreWhatBdf2psfMakesOfTheBdfExport) {
    for (const NamedFont& font : threeFonts()) {
        SCOPED_TRACE(font.name);
        const ScratchDirectory dir;
        writeBytes(dir / "font.bdf", bdfBytes(font.data));
        const std::string at = dir.path().string() + '/';
        const std::string command = "bdf2psf --fb " + at +
                                    "font.bdf /usr/share/bdf2psf/standard.equivalents "
                                    "/usr/share/bdf2psf/ascii.set 256 " +
                                    at + "font.psf";
        ASSERT_EQ(std::system(command.c_str()), 0);
        const Psf theirs = readPsf(readBytes(dir / "font.psf"));
        const Psf ours = readPsf(psfBytes(font.data));
        EXPECT_EQ(theirs.height, 8u);
        int compared = 0;
        for (const auto& [character, position] : theirs.positionOf) {
            if (character < 0x20 || character >= 0x80) continue;
            ++compared;
            EXPECT_EQ(theirs.bitmaps.substr(position * theirs.charSize, 8),
                      ours.bitmaps.substr(ours.positionOf.at(character) * 8, 8))
                << character;
        }
        EXPECT_GE(compared, 95);
    }
}

// Debian's console fonts, PSF1 of 256 and 512 glyphs and PSF2, gzip packed: each glyph the
// table gives the character comes in from the cell's top left, and one with dots past five
// columns or eight rows is refused unless --crop cuts it.
TEST(PsfImport, TakesDebiansConsoleFontsDotByDot) {
    for (const char* name : {"Lat15-VGA8", "Arabic-VGA8", "Lat15-Terminus12x6", "Lat2-Fixed16"}) {
        SCOPED_TRACE(name);
        const std::string packed =
            readBytes(std::string("/usr/share/consolefonts/") + name + ".psf.gz");
        const std::string bytes = gunzip(packed);
        ASSERT_EQ(detectFormat(bytes), ImportFormat::Psf);
        const Psf psf = readPsf(bytes);
        std::optional<int> firstCut;
        int cut = 0;
        std::array<std::array<unsigned, 5>, state::kSavedCodes> expected{};
        for (int code = 0; code < state::kSavedCodes; ++code) {
            const auto position = psf.positionOf.find(static_cast<unsigned>(0x20 + code));
            if (position == psf.positionOf.end()) continue;
            bool outside = false;
            for (unsigned y = 0; y < psf.height; ++y) {
                for (unsigned x = 0; x < psf.width; ++x) {
                    if (!psf.dot(position->second, x, y)) continue;
                    if (x < 5 && y < 8) {
                        expected[code][x] |= 1u << y;
                    } else {
                        outside = true;
                    }
                }
            }
            if (outside && !firstCut) firstCut = code;
            cut += outside;
        }
        ASSERT_TRUE(firstCut);
        char glyphName[16];
        std::snprintf(glyphName, sizeof glyphName, "U+%04X", 0x20 + *firstCut);
        expectFailure([&] { importFont(ImportFormat::Psf, bytes, {}); },
                      state::Cause::GlyphTooLarge, {.code = *firstCut, .value = glyphName});
        const ImportedFont font = importFont(ImportFormat::Psf, bytes, {.crop = true});
        for (int code = 0; code < state::kSavedCodes; ++code) {
            const state::GlyphBytes columns = glyphBytes(font.data, code);
            for (int x = 0; x < 5; ++x) EXPECT_EQ(columns[x], expected[code][x]) << code;
        }
        EXPECT_EQ(font.data.labels[33], "A");
        ASSERT_FALSE(font.notes.empty());
        EXPECT_EQ(font.notes.front(),
                  (ImportNote{.kind = ImportNote::Kind::GlyphsCropped, .count = cut}));
    }
}

// An 8-wide console font read as a table of rows, left dot in bit 7, past its PSF1 header
// and 32 control glyphs: the three right columns are dots, lost only to --crop.
TEST(PsfImport, AConsoleFontReadAsBinaryRowsKeepsItsRightColumns) {
    const std::string bytes = gunzip(readBytes("/usr/share/consolefonts/Lat15-VGA8.psf.gz"));
    const Psf psf = readPsf(bytes);
    const auto options = [](bool crop) {
        return ImportOptions{.offset = 260,
                             .crop = crop,
                             .layout = state::GlyphLayout::Rows,
                             .msbFirst = true,
                             .stride = 8};
    };
    std::optional<int> firstCut;
    int cut = 0;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        bool outside = false;
        for (unsigned y = 0; y < 8; ++y) {
            for (unsigned x = 5; x < 8; ++x) outside |= psf.dot(32 + code, x, y);
        }
        if (outside && !firstCut) firstCut = code;
        cut += outside;
    }
    ASSERT_TRUE(firstCut);
    expectFailure([&] { importBinary(bytes, options(false)); }, state::Cause::GlyphOutsideCell,
                  {.code = *firstCut});
    const ImportedFont font = importBinary(bytes, options(true));
    EXPECT_EQ(font.notes,
              std::vector<ImportNote>({{.kind = ImportNote::Kind::GlyphsCropped, .count = cut}}));
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const state::GlyphBytes columns = glyphBytes(font.data, code);
        for (unsigned x = 0; x < 5; ++x) {
            for (unsigned y = 0; y < 8; ++y) {
                EXPECT_EQ(dotLit(columns[x], static_cast<int>(y)), psf.dot(32 + code, x, y))
                    << code;
            }
        }
    }
}

// PSF2's mark, then its header's fields from the version on, each 32 bits little-endian.
std::string psf2Header(std::initializer_list<unsigned> fields) {
    std::string bytes = "\x72\xB5\x4A\x86";
    for (const unsigned field : fields) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(field >> (8 * i) & 0xFF);
    }
    return bytes;
}

}  // namespace

// A table entry whose UTF-8 bits spell a value past U+10FFFF draws no character, and the
// characters after it stay the glyph's: F4 90 80 80 spells 0x110000, past the last one.
TEST(PsfImport, AValuePastUnicodeInTheTableIsNoCharacter) {
    std::string psf = psf2Header({0, 32, 1, 1, 8, 8, 8});
    psf += std::string("\x80\x80\x80\x80\x80\x00\x00\x00", 8);
    psf +=
        "\xF4\x90\x80\x80"
        "A\xFF";
    const ImportedFont font = importFont(ImportFormat::Psf, psf, {});
    EXPECT_EQ(glyphBytes(font.data, 'A' - 32), (state::GlyphBytes{0x1F, 0, 0, 0, 0}));
}

// 480 bytes with a NUL are also what a binary table is; the PSF2 mark is looked at first.
TEST(PsfImport, AFontOfABinaryTablesSizeIsKnownByItsMark) {
    std::string psf = psf2Header({0, 32, 0, 56, 8, 8, 8});
    std::string glyphs(56 * 8, '\0');
    glyphs.replace(33 * 8, 5, "\x80\x80\x80\x80\x80");
    psf += glyphs;
    ASSERT_EQ(psf.size(), 480u);
    ASSERT_EQ(detectFormat(psf), ImportFormat::Psf);
    const ImportedFont font = importFont(ImportFormat::Psf, psf, {});
    // Glyph i is the font's glyph 32 + i.
    EXPECT_EQ(glyphBytes(font.data, 1), (state::GlyphBytes{0x1F, 0, 0, 0, 0}));
}

}  // namespace fontedit::formats::console_fonts
