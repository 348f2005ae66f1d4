// Debian's X11 fixed fonts, drawn by others, converted by Debian's pcf2bdf as the test runs:
// every dot of their glyphs for codes 32-127 must land where the font's own bitmap puts it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "formats/font_import.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using support::expectFailure;
using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

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

// The cell's dots in the same terms: row 6 stands on the baseline, row 7 below it.
std::set<Dot> cellDots(const FontData& data, int code) {
    std::set<Dot> dots;
    for (int column = 0; column < state::kGlyphColumns; ++column) {
        const unsigned long bits = std::stoul(data.cells[code][column], nullptr, 16);
        for (int row = 0; row < state::kGlyphRows; ++row) {
            if (bits >> row & 1) dots.insert({column, 6 - row});
        }
    }
    return dots;
}

bool insideCell(const Dot& dot) {
    return dot.first >= 0 && dot.first < state::kGlyphColumns && dot.second >= -1 &&
           dot.second <= 6;
}

TEST(RealFonts, GlyphsLandWhereTheirOwnBitmapsPutThem) {
    for (const char* name : {"5x8", "5x7", "4x6", "6x10"}) {
        SCOPED_TRACE(name);
        ScratchDirectory dir;
        const std::string pcf = (dir / "font.pcf").string();
        const std::string bdfPath = (dir / "font.bdf").string();
        const std::string command = std::string("gunzip -c /usr/share/fonts/X11/misc/") + name +
                                    ".pcf.gz > " + pcf + " && pcf2bdf -o " + bdfPath + " " + pcf;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string bdf = readBytes(bdfPath);
        const std::map<int, BdfGlyph> glyphs = glyphsOf(bdf);
        ASSERT_GE(glyphs.size(), 95u);

        const BdfGlyph* tooLarge = nullptr;
        for (const auto& [encoding, glyph] : glyphs) {
            for (const Dot& dot : glyph.dots) {
                if (!tooLarge && !insideCell(dot)) tooLarge = &glyph;
            }
        }
        if (tooLarge) {
            try {
                importBdf(bdf, {});
                ADD_FAILURE() << "taken with dots outside the cell";
            } catch (const state::Failure& failure) {
                EXPECT_EQ(failure.cause(), state::Cause::GlyphTooLarge);
                EXPECT_EQ(failure.facts().value, tooLarge->name);
            }
        }
        const ImportedFont font = importBdf(bdf, {.crop = tooLarge != nullptr});
        for (int code = 0; code < state::kSavedCodes; ++code) {
            std::set<Dot> expected;
            if (const auto glyph = glyphs.find(32 + code); glyph != glyphs.end()) {
                std::copy_if(glyph->second.dots.begin(), glyph->second.dots.end(),
                             std::inserter(expected, expected.end()), insideCell);
            }
            EXPECT_EQ(cellDots(font.data, code), expected) << "code " << code;
        }
        EXPECT_EQ(font.data.labels[33], "A");
    }
}

}  // namespace
}  // namespace fontedit::formats
