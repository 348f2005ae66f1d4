// C font tables as firmware sources write them: each accepted form gives the same glyph and
// says which array it took; each refused form names its cause, line and the text at fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "formats/font_import.h"
#include "formats/libraries/hd44780.h"
#include "formats/own/header_export.h"
#include "formats/tables/c_source_export.h"
#include "state/conversions.h"
#include "state/failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using support::repeated;
using Cells = std::array<std::string, state::kGlyphColumns>;

const Cells kO = {"3E", "41", "41", "41", "3E"};

// The options of a case; an empty array name is none. ImportOptions itself in a table of cases
// trips GCC's maybe-uninitialized warning on its optional string.
struct Options {
    std::string array{};
    std::optional<std::size_t> offset{};
    std::optional<int> first{};
    bool guessShape = false;   // else the columns of the editor's own font, named
    bool rowsMsbLeft = false;  // rows of 8 bytes, the left dot in bit 7, named
    bool crop = false;
    ImportOptions operator()() const {
        ImportOptions options{.offset = offset, .first = first, .crop = crop};
        if (!array.empty()) options.array = array;
        if (!guessShape) options.layout = state::GlyphLayout::Columns;
        if (rowsMsbLeft) {
            options.layout = state::GlyphLayout::Rows;
            options.msbFirst = true;
            options.stride = 8;
        }
        return options;
    }
};

// `glyphs` more glyphs of column bytes 1, 2, 3, 4, 5, as a list's inside.
std::string moreGlyphs(int glyphs) {
    return repeated("1, 2, 3, 4, 5,\n", static_cast<std::size_t>(glyphs));
}

TEST(CTableImport, TakesEveryFormFirmwareIsWrittenIn) {
    struct Case {
        const char* what;
        std::string source;
        Options options;
        std::string taken;  // the array named in the note; empty when the user named one
        int takenLine;
        Cells glyph0;
        int filled;
        int cropped = 0;
    };
    // Two glyphs of an 8-wide console font: an O one column too wide, and a dot.
    const std::string wideRows =
        "const uint8_t f[] = {0xFC, 0x84, 0x84, 0x84, 0xFC, 0, 0, 0x07, 0x80,0,0,0,0,0,0,0};";
    const Case cases[] = {
        {"hex rows in nested braces, CRLF",
         "const unsigned char font[96][5] = {\r\n  {0x3E, 0x41, 0x41, 0x41, 0x3E},\r\n};\r\n",
         {},
         "font",
         1,
         kO,
         0},
        {"decimal, octal, binary, suffixes and digit separators",
         "unsigned char f[] = { 62, 0101, 0b1000001, 0x41UL, 0'76u };",
         {},
         "f",
         1,
         kO,
         95},
        {"casts and parentheses",
         "const uint8_t f[] = {(uint8_t)0x3E, (unsigned char)(0x41), ((uint8_t)65), (0x41),\n"
         "(const uint8_t)62};",
         {},
         "f",
         1,
         kO,
         95},
        {"character constants",
         R"(char f[] = { '>', 'A', '\x41', '\101', '>' };)",
         {},
         "f",
         1,
         kO,
         95},
        {"Arduino binary constants",
         "const byte f[][5] PROGMEM = {{B00111110, B1000001, B01000001, B1000001, B111110}};",
         {},
         "f",
         1,
         kO,
         95},
        {"comments holding braces and commas",
         "/* { 1, 2 } */ char f[] = { // {\n 0x3E, /* }, */ 0x41, 0x41, 0x41, 0x3E };",
         {},
         "f",
         1,
         kO,
         95},
        {"a struct and a string before the array",
         "struct Info { int w; char name[8]; } info = { 5, \"a{\" };\n"
         "static const char *names[] = { \"x\" };\n"
         "const unsigned char font[][5] = { {0x3E,0x41,0x41,0x41,0x3E} };",
         {},
         "font",
         3,
         kO,
         95},
        {"the font as the third of many arrays; a short byte list first",
         "static const uint8_t init[] = { 0xAE, 0xD5, 0x80, 0xA8, 0x3F };\n"
         "static const uint16_t wide[] = { 0x1234, 1, 2, 3, 4 };\n"
         "const uint8_t glyphs[] = {\n0x3E, 0x41, 0x41, 0x41, 0x3E,\n" +
             moreGlyphs(40) + "};",
         {},
         "glyphs",
         3,
         kO,
         55},
        {"a 6-wide array before the font is passed over",
         "const unsigned char big[2][6] = {0};\n"
         "const unsigned char font[][5] = { {0x3E,0x41,0x41,0x41,0x3E} };",
         {},
         "font",
         2,
         kO,
         95},
        {"#if 0 regions and names the file never defines, in the list and around it",
         "#if 0\nconst char old[] = {1,2,3,4,5};\n#endif\n"
         "char f[] = {\n#if 0\n 9, 9, 9, 9, 9,\n#else\n 0x3E, 0x41,\n#endif\n"
         "#ifdef BIG\n 9,\n#endif\n#if WIDE\n 9,\n#else\n 0x41,\n#endif\n"
         "#if 0 /* off */\n#ifdef X\n 1, 2,\n#endif\n#endif\n 0x41, 0x3E };",
         {},
         "f",
         4,
         kO,
         95},
        {"conditions as the compiler reads them: macros expanded, unsigned and unevaluated "
         "parts",
         "#define THIN 1\n#define BOLD 2\n#define STYLE THIN\n#define SUM 1 + 1\n"
         "#if STYLE == BOLD\nchar f[] = {9, 9, 9, 9, 9};\n#else\n"
         "char f[] = {\n#if SUM * 2 == 3\n 0x3E,\n#endif\n#if -1 < 0u\n 9,\n"
         "#elif defined(F) && F(2) || 0 && 1 / 0\n 9,\n#else\n 0x41,\n#endif\n"
         "#if 1 /* not yet */ && 0\n 9,\n#endif\n 0x41, 0x41, 0x3E};\n#endif",
         {},
         "f",
         8,
         kO,
         95},
        {"macros for the width and for values",
         "#define GLYPH_WIDTH (5)\n#define EDGE 0x3E // left and right\n"
         "const unsigned char f[][GLYPH_WIDTH] = {{EDGE, 0x41, 0x41, 0x41, EDGE}};",
         {},
         "f",
         3,
         kO,
         95},
        {"short rows are filled with zeros as C fills them",
         "const unsigned char f[][5] = {{0x3E, 0x41, 0x41}, {1}};",
         {},
         "f",
         1,
         {"3E", "41", "41", "0", "0"},
         94},
        {"__attribute__ between the declarator and the list",
         "const unsigned char f[] __attribute__((aligned(4))) = {0x3E,0x41,0x41,0x41,0x3E};",
         {},
         "f",
         1,
         kO,
         95},
        {"a list of its own in a file with no array",
         "{0x3E, 0x41, 0x41, 0x41, 0x3E}",
         {},
         "",
         1,
         kO,
         95},
        {"--array picks the second array",
         "const unsigned char a[][5] = {{1,2,3,4,5}};\nconst unsigned char b[][5] = "
         "{{0x3E,0x41,0x41,0x41,0x3E}};",
         {.array = "b"},
         "",
         0,
         kO,
         95},
        {"--offset past a 6-byte header",
         "const uint8_t System5x7[] = { 0, 0, 5, 7, 32, 96,\n0x3E,0x41,0x41,0x41,0x3E,\n" +
             moreGlyphs(95) + "};",
         {.offset = 6},
         "System5x7",
         1,
         kO,
         0},
        {"8-wide rows cut to 5 by --crop",
         wideRows,
         {.rowsMsbLeft = true, .crop = true},
         "f",
         1,
         {"1F", "11", "11", "11", "11"},
         94,
         1},
        {"more than 96 glyphs: the rest is left out",
         "char f[] = {\n0x3E,0x41,0x41,0x41,0x3E,\n" + moreGlyphs(96) + "};",
         {},
         "f",
         1,
         kO,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedFont font = importCTable(c.source, c.options());
        EXPECT_EQ(font.data.cells[0], c.glyph0);
        std::vector<ImportNote> expected;
        if (c.options.array.empty()) {
            expected.push_back(
                {.kind = ImportNote::Kind::ArrayTaken, .name = c.taken, .line = c.takenLine});
        }
        if (c.cropped)
            expected.push_back({.kind = ImportNote::Kind::GlyphsCropped, .count = c.cropped});
        if (c.filled)
            expected.push_back({.kind = ImportNote::Kind::GlyphsFilled, .count = c.filled});
        ASSERT_EQ(font.notes.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(font.notes[i].kind, expected[i].kind);
            EXPECT_EQ(font.notes[i].name, expected[i].name);
            EXPECT_EQ(font.notes[i].line, expected[i].line);
            EXPECT_EQ(font.notes[i].count, expected[i].count);
        }
        for (int code = state::kSavedCodes - c.filled; code < state::kSavedCodes; ++code) {
            EXPECT_EQ(font.data.cells[code], Cells({"0", "0", "0", "0", "0"})) << code;
        }
    }
}

TEST(CTableImport, RefusesWhatItCannotTakeWithTheLineAndText) {
    struct Case {
        const char* what;
        std::string source;
        Options options;
        Cause cause;
        int line;
        std::string value;
    };
    const state::FontData blank;
    const std::string characters = hd44780Bytes(blank, "glyph", std::vector<int>());
    const std::string cutBetween = characters.substr(0, characters.find("uint8_t glyph_7"));
    const Case cases[] = {
        {"a blank 6-wide array, guessed",
         "const char x[] = {\"a\"};\nconst uint8_t f[96][6] = {0};",
         {.guessShape = true},
         Cause::ShapeUnclear,
         2,
         "--layout columns --stride 6; --layout columns --msb-top --stride 6"},
        {"a 6-wide array with dots in the sixth column",
         "const uint8_t f[96][6] = {{0, 0, 0, 0, 0, 1}};",
         {.array = "f", .guessShape = true},
         Cause::ArrayWidth,
         1,
         "6"},
        {"a 0-wide array", "char f[][0] = {1};", {}, Cause::ArrayWidth, 1, "0"},
        {"8-wide rows read as 5: dots in the three right columns",
         "const uint8_t f[] = {0, 0, 0, 0, 0, 0, 0, 0,\n 0xFC, 0x84, 0x84, 0x84, 0xFC, 0, 0, 0};",
         {.rowsMsbLeft = true},
         Cause::GlyphOutsideCell,
         1,
         ""},
        {"rows of 8 through a macro, too few to tell",
         "#define ROWS 8\nconst uint8_t f[][ROWS] = {{0}};",
         {.guessShape = true},
         Cause::ShapeUnclear,
         2,
         "--layout columns --stride 8; --layout columns --msb-top --stride 8; --layout rows "
         "--stride 8; --layout rows --msb-left --stride 8"},
        {"a table of glyph widths after a GLCD header",
         "const uint8_t f[] = {0, 0, 5, 7, 32, 2, 3, 5, 1, 2, 3, 1, 2, 3, 4, 5};",
         {.guessShape = true},
         Cause::VariableWidth,
         1,
         ""},
        {"a designator far past any font",
         "const uint8_t f[][5] = {[0x7FFFFFFF] = {1}};",
         {},
         Cause::IndexTooLarge,
         1,
         "[0x7FFFFFFF]"},
        {"a function-like macro's call inside the list",
         "char f[][5] = {\n{1,2,3,4,5},\n#if __has_include(<big.h>)\n{1},\n#endif\n};",
         {},
         Cause::ConditionalInList,
         3,
         "#if __has_include(<big.h>)"},
        {"#else of an #if holding a cast",
         "char f[] = {\n#if (int)WIDE\n1,\n#else\n2,\n#endif\n3,4,5};",
         {},
         Cause::ConditionalInList,
         2,
         "#if (int)WIDE"},
        {"a value above 0xFF",
         "char f[][5] = {\n{1,2,3,4,5},\n{1,2,0x100,4,5}};",
         {},
         Cause::NotAByte,
         3,
         "0x100"},
        {"a cast hiding a value above 0xFF",
         "char f[] = {(uint8_t)0x13E, 1, 2, 3, 4};",
         {.array = "f"},
         Cause::NotAByte,
         1,
         "(uint8_t)0x13E"},
        {"a character beyond a byte",
         R"(char f[] = {'\x141', 1, 2, 3, 4};)",
         {.array = "f"},
         Cause::NotAByte,
         1,
         R"('\x141')"},
        {"an expression",
         "char f[][5] = {{0x3E | 1, 2, 3, 4, 5}};",
         {},
         Cause::NotAConstant,
         1,
         "0x3E | 1"},
        {"an unknown name",
         "char f[][5] = {{1, 2,\n  GLYPH_TOP, 4, 5}};",
         {},
         Cause::NotAConstant,
         2,
         "GLYPH_TOP"},
        {"a negative number",
         "char f[][5] = {{-1, 2, 3, 4, 5}};",
         {},
         Cause::NotAConstant,
         1,
         "-1"},
        {"two characters in quotes",
         "char f[][5] = {{'AB', 2, 3, 4, 5}};",
         {},
         Cause::NotAConstant,
         1,
         "'AB'"},
        {"a B constant with a 2",
         "char f[][5] = {{B012, 2, 3, 4, 5}};",
         {},
         Cause::NotAConstant,
         1,
         "B012"},
        {"an octal 8", "char f[][5] = {{08, 2, 3, 4, 5}};", {}, Cause::NotAConstant, 1, "08"},
        {"a fraction", "char f[][5] = {{1.5, 2, 3, 4, 5}};", {}, Cause::NotAConstant, 1, "1.5"},
        {"strings in a named array",
         "const char* f[] = {\"A\"};",
         {.array = "f"},
         Cause::NotAConstant,
         1,
         "\"A\""},
        {"a list never closed", "int x;\nchar f[] = {\n1, 2, 3", {}, Cause::ListNotClosed, 2, "{"},
        {"a comment never closed",
         "char f[] = {1, 2, 3, 4, 5};\n/* end",
         {},
         Cause::CommentNotClosed,
         2,
         "/*"},
        {"#if 0 never closed",
         "#if 0\nchar f[] = {1, 2, 3, 4, 5};",
         {},
         Cause::IfNotClosed,
         1,
         "#if 0"},
        {"no list at all", "int main(void);", {}, Cause::NoArray, 0, ""},
        {"the named array missing",
         "char f[] = {1, 2, 3, 4, 5};",
         {.array = "font"},
         Cause::ArrayNotFound,
         0,
         "font"},
        {"no array that fits",
         "const char* s[] = {\"a\"};\nint v[] = {1, 2, 3};",
         {},
         Cause::NoFontArray,
         0,
         ""},
        {"a table ending inside a glyph",
         "char f[] = {1, 2, 3, 4, 5, 6, 7};",
         {.array = "f"},
         Cause::PartialGlyph,
         1,
         "7"},
        {"an offset past the values",
         "char f[] = {\n1, 2, 3, 4, 5};",
         {.array = "f", .offset = 5},
         Cause::OffsetPastEnd,
         1,
         "5"},
        {"a row longer than the array",
         "char f[][5] = {\n{1, 2, 3, 4, 5, 6}};",
         {},
         Cause::RowTooLong,
         2,
         "6"},
        // Hostile input: each is refused at once, in time and memory linear in its size.
        {"150,000 nested parentheses",
         "char f[] = {" + repeated("(", 150'000) + "};",
         {},
         Cause::NestingTooDeep,
         1,
         "("},
        {"\"a[\" 200,000 times", repeated("a[", 200'000), {}, Cause::NoArray, 0, ""},
        {"100,000 unclosed braces", repeated("{", 100'000), {}, Cause::ListNotClosed, 1, "{"},
        {"100,000 closing braces", repeated("}", 100'000), {}, Cause::NoArray, 0, ""},
        {"16 MiB of commas in a list",
         "char f[] = {" + repeated(",", kMostImportBytes - 13) + "}",
         {},
         Cause::NoFontArray,
         0,
         ""},
        {"rows filled out past the limit",
         "char f[][4096] = {" + repeated("{},", 5'000) + "};",
         {},
         Cause::FileTooLarge,
         1,
         ""},
        // Judged by what they declare before any zero is filled in: no stride reads glyphs
        // this wide, and the refusal names no option the import would not take.
        {"50,000 arrays of rows 16,000,000 wide",
         repeated("a[][16000000]={{1}};", 50'000),
         {},
         Cause::ArrayWidth,
         1,
         "16000000"},
        {"1,000 arrays each with a designator a million values on",
         repeated("a[][5]={[200000]={1}};", 1'000),
         {"a"},
         Cause::IndexTooLarge,
         1,
         "[200000]"},
        {"a byte past the limit",
         repeated(",", kMostImportBytes + 1),
         {},
         Cause::FileTooLarge,
         0,
         ""},
        {"custom characters cut between their arrays",
         cutBetween,
         {},
         Cause::GlyphsMissing,
         static_cast<int>(std::count(cutBetween.begin(), cutBetween.end(), '\n')),
         "8"},
        {"an array inside a condition the file alone does not decide",
         "#if __has_include(<big.h>)\nchar f[] = {0x3E, 0x41, 0x41, 0x41, 0x3E};\n#endif",
         {},
         Cause::ConditionUndecided,
         1,
         "#if __has_include(<big.h>)"},
        {"a long macro named by 4,000 conditions",
         "#define LONG (" + repeated("1+", 200'000) + "1)\n" +
             repeated("#if LONG\n#endif\n", 4'000),
         {},
         Cause::NoArray,
         0,
         ""},
        {"a long macro worked out again after each change of what it names",
         "#define LONG (" + repeated("Z+", 20'000) + "Z)\n" +
             repeated("#define Z 1\n#if LONG\n#endif\n", 300),
         {},
         Cause::MacrosTooCostly,
         0,
         ""},
        {"a value past 64 bits",
         "char f[][5] = {{" + repeated("9", 30) + "}};",
         {},
         Cause::NotAByte,
         1,
         repeated("9", 30)},
        {"a width past 64 bits",
         "char f[96][" + repeated("9", 30) + "] = {0};",
         {},
         Cause::ArrayWidth,
         1,
         "18446744073709551615"},
        {"a line of a million digits",
         "char f[] = {" + repeated("1", 1'000'000) + "};",
         {"f"},
         Cause::NotAByte,
         1,
         repeated("1", 1'000'000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto start = std::chrono::steady_clock::now();
        try {
            importCTable(c.source, c.options());
            ADD_FAILURE() << "taken";
        } catch (const state::Failure& failure) {
            EXPECT_EQ(failure.cause(), c.cause);
            EXPECT_EQ(failure.facts().line, c.line);
            EXPECT_EQ(failure.facts().value, c.value);
            // The window offers the readings named; each one chosen is taken.
            for (const ShapeChoice& choice : shapeChoices(failure)) {
                ImportOptions chosen = c.options();
                choose(choice, chosen);
                EXPECT_NO_THROW(importCTable(c.source, chosen)) << choice.options;
            }
        }
        // Time growing with the square of the size takes hours here; a sanitized build on a
        // busy machine takes seconds. make bench shows the real figures.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    }
}

// The characters the glyphs draw, from where the table starts; "DEL" for 0x7F; nothing for
// codes the font files could not hold or give back.
TEST(CTableImport, LabelsTheCharactersTheGlyphsDraw) {
    const std::string table96 = "char f[] = {" + moreGlyphs(96) + "};";
    const std::string table256 = "char f[] = {" + moreGlyphs(256) + "};";
    struct Case {
        const char* what;
        const std::string& source;
        Options options;
        std::vector<std::pair<int, std::string>> labels;  // code, label
    };
    const Case cases[] = {
        {"96 glyphs from the space", table96, {}, {{0, " "}, {33, "A"}, {94, "~"}, {95, "DEL"}}},
        {"256 glyphs read at the space", table256, {.offset = 160}, {{0, " "}, {95, "DEL"}}},
        {"256 glyphs read from code 0",
         table256,
         {.offset = 0},
         {{0, ""}, {31, ""}, {32, " "}, {65, "A"}}},
        {"256 glyphs from 0xA0, Latin-1",
         table256,
         {.offset = 0xA0 * 5},
         {{0, ""}, {5, ""}, {7, "§"}, {0x10, "°"}, {0x37, "×"}, {0x21, ""}, {0x5F, ""}}},
        {"256 glyphs between two glyphs",
         table256,
         {.array = "f", .offset = 3},
         {{0, ""}, {40, ""}}},
        {"--first overrides the guess", table96, {.first = 0x41}, {{0, "A"}, {62, "DEL"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedFont font = importCTable(c.source, c.options());
        for (const auto& [code, label] : c.labels) EXPECT_EQ(font.data.labels[code], label) << code;
    }
}

// The window's "font.h" is a C table too, with labels in comments and a Japanese note after
// the list; every byte of it comes back.
// A font whose bytes also read as an MD_MAX72XX table: a header and 19 glyphs 24 columns wide.
// The editor's own exports, and a table read with a shape named, come back as that font.
TEST(CTableImport, AFontThatLooksLikeAnotherTableComesBackAsItself) {
    std::vector<std::uint8_t> bytes{'F', 1, 0, 18, 8};
    for (int glyph = 0; glyph < 19; ++glyph) {
        bytes.push_back(24);
        bytes.insert(bytes.end(), 24, glyph == 0 ? 0x7F : 0);
    }
    ASSERT_EQ(bytes.size(), std::size_t{state::kSavedCodes * state::kGlyphColumns});
    state::FontData written;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            written.cells[code][column] =
                state::hexText(bytes[code * state::kGlyphColumns + column]);
        }
    }
    ImportOptions named{.array = "Font", .layout = state::GlyphLayout::Columns};
    for (const std::string& source : {headerBytes(written), cSourceBytes(written, {})}) {
        EXPECT_EQ(importCTable(source, {}).data.cells, written.cells);
    }
    EXPECT_EQ(importCTable(headerBytes(written), named).data.cells, written.cells);
}

TEST(CTableImport, ReadsTheEditorsOwnHeaderBack) {
    state::FontData written;
    const char* labels[] = {"{", "*/", "\\", ",", "ソ", "/*"};
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            written.cells[code][column] = state::hexText((code * 7 + column * 53) % 256);
        }
        written.labels[code] = labels[code % 6];
    }
    const ImportedFont font = importCTable(headerBytes(written), {});
    EXPECT_EQ(font.data.cells, written.cells);
    ASSERT_EQ(font.notes.size(), 1u);
    EXPECT_EQ(font.notes[0].name, "Font");
}

}  // namespace
}  // namespace fontedit::formats
