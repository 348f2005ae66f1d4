#include "formats/x11/bdf_export.h"

#include <array>
#include <cstdio>
#include <set>

#include "formats/common/font_bytes.h"
#include "formats/marks.h"

namespace fontedit::formats {
namespace {

constexpr int kAscent = state::kGlyphRows - 1;
constexpr int kDescent = 1;
// BDF keeps glyph names to 14 characters.
constexpr std::size_t kLongestName = 14;

bool isGlyphName(std::string_view label) {
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (label.empty() || label.size() > kLongestName || !letter(label[0])) return false;
    for (const char c : label) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '.') return false;
    }
    // Reserved for the glyphs whose label makes no name.
    return !(label.starts_with("char") && label.size() > 4 &&
             label.find_first_not_of("0123456789", 4) == std::string_view::npos);
}

// A label that is a valid name and not taken by an earlier glyph names its glyph; the others
// are "char" and the encoding.
std::array<std::string, state::kSavedCodes> glyphNames(const state::FontData& data, int first) {
    std::array<std::string, state::kSavedCodes> names;
    std::set<std::string_view> taken;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const std::string& label = data.labels[code];
        if (isGlyphName(label) && taken.insert(label).second) {
            names[code] = label;
        } else {
            names[code] = "char" + std::to_string(first + code);
        }
    }
    return names;
}

// The dots above the baseline of the glyph at 'x', as bdftopcf would compute it.
int xHeight(const std::array<state::GlyphBytes, state::kSavedCodes>& glyphs, int first) {
    const int code = 'x' - first;
    if (code < 0 || code >= state::kSavedCodes) return 0;
    for (int row = 0; row < kAscent; ++row) {
        for (const std::uint8_t column : glyphs[code]) {
            if (dotLit(column, row)) return kAscent - row;
        }
    }
    return 0;
}

void appendGlyph(std::string& bdf, const std::string& name, int encoding,
                 const state::GlyphBytes& columns) {
    bdf += "STARTCHAR " + name + "\nENCODING " + std::to_string(encoding) +
           "\nSWIDTH 720 0\nDWIDTH 6 0\nBBX 6 8 0 -1\nBITMAP\n";
    for (const std::uint8_t bits : rowBytes(columns, 7)) {
        char line[4];
        std::snprintf(line, sizeof line, "%02X", bits);
        bdf += line;
        bdf += '\n';
    }
    bdf += "ENDCHAR\n\n";
}

}  // namespace

std::string bdfBytes(const state::FontData& data, int first) {
    std::array<state::GlyphBytes, state::kSavedCodes> glyphs;
    for (int code = 0; code < state::kSavedCodes; ++code) glyphs[code] = glyphBytes(data, code);
    // SWIDTH 720 is 6 dots in thousandths of the 8-point size at 75 dpi; the computed
    // properties are given as bdftopcf would add them, so that nothing is added on the way.
    // bdf2psf takes the cell's width from AVERAGE_WIDTH, in tenths of a dot.
    std::string bdf = std::string(kBdfKeyword) +
                      " 2.1\n"
                      "FONT -misc-fontedit-medium-r-normal--8-80-75-75-c-60-iso10646-1\n"
                      "SIZE 8 75 75\n"
                      "FONTBOUNDINGBOX 6 8 0 -1\n"
                      "\n"
                      "STARTPROPERTIES 12\n"
                      "SPACING \"C\"\n"
                      "PIXEL_SIZE 8\n"
                      "POINT_SIZE 80\n"
                      "WEIGHT 10\n"
                      "RESOLUTION_X 75\n"
                      "RESOLUTION_Y 75\n"
                      "AVERAGE_WIDTH 60\n"
                      "X_HEIGHT " +
                      std::to_string(xHeight(glyphs, first)) +
                      "\n"
                      "QUAD_WIDTH 6\n"
                      "DEFAULT_CHAR " +
                      std::to_string(first) + "\nFONT_DESCENT " + std::to_string(kDescent) +
                      "\nFONT_ASCENT " + std::to_string(kAscent) +
                      "\nENDPROPERTIES\n"
                      "\n"
                      "CHARS 96\n"
                      "\n";
    const auto names = glyphNames(data, first);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        appendGlyph(bdf, names[code], first + code, glyphs[code]);
    }
    return bdf + "ENDFONT\n";
}

}  // namespace fontedit::formats
