#include "editing/grid_commands.h"

#include <algorithm>
#include <cstdio>

#include "state/conversions.h"

namespace fontedit::editing {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// One byte at the front of `text`, which it then leaves behind.
std::optional<std::uint8_t> takeByte(std::string_view& text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    int value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && hexDigit(text[digits]) >= 0; ++digits) {
        value = value * 16 + hexDigit(text[digits]);
        if (value > 0xFF) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    text.remove_prefix(digits);
    return static_cast<std::uint8_t>(value);
}

// The list inside the braces of a C table row "{ 0x7C, ... }, // A", or the text itself.
std::optional<std::string_view> glyphList(std::string_view text) {
    text = trimmed(text.substr(0, text.find("//")));
    if (text.ends_with(',')) text = trimmed(text.substr(0, text.size() - 1));
    if (!text.starts_with('{')) return text;
    if (!text.ends_with('}')) return std::nullopt;
    return text.substr(1, text.size() - 2);
}

// The eight rows of a column text's value, as its pixels show them.
// The eight bits that bitTest gives row by row, taken at once: the overview and the preview
// read a glyph at each paint.
std::uint8_t columnRows(std::string_view text) {
    return static_cast<std::uint8_t>(state::wholeNumber(state::columnValue(text)) & 0xFF);
}

}  // namespace

state::GlyphBytes shownGlyph(const state::EditorState& state) {
    state::GlyphBytes glyph{};
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        glyph[column - 1] = columnRows(state.columnField(column).text());
    }
    return glyph;
}

state::GlyphBytes storedGlyph(const state::FontTable& font, int code) {
    state::GlyphBytes glyph{};
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        glyph[column - 1] = columnRows(font.cell(code, column));
    }
    return glyph;
}

state::GlyphBytes transformed(const state::GlyphBytes& glyph, GridCommand command) {
    state::GlyphBytes result{};
    switch (command) {
        case GridCommand::Clear:
            break;
        case GridCommand::Invert:
            std::ranges::transform(glyph, result.begin(),
                                   [](std::uint8_t column) { return ~column & 0xFF; });
            break;
        // Bit 0 is the top row.
        case GridCommand::ShiftUp:
            std::ranges::transform(glyph, result.begin(),
                                   [](std::uint8_t column) { return column >> 1; });
            break;
        case GridCommand::ShiftDown:
            std::ranges::transform(glyph, result.begin(),
                                   [](std::uint8_t column) { return (column << 1) & 0xFF; });
            break;
        case GridCommand::ShiftLeft:
            std::copy(glyph.begin() + 1, glyph.end(), result.begin());
            break;
        case GridCommand::ShiftRight:
            std::copy(glyph.begin(), glyph.end() - 1, result.begin() + 1);
            break;
        case GridCommand::MirrorLeftRight:
            std::ranges::reverse_copy(glyph, result.begin());
            break;
        case GridCommand::MirrorUpDown:
            std::ranges::transform(glyph, result.begin(), [](std::uint8_t column) {
                std::uint8_t mirrored = 0;
                for (int row = 0; row < 8; ++row) mirrored |= ((column >> row) & 1) << (7 - row);
                return mirrored;
            });
            break;
    }
    return result;
}

std::string glyphText(const state::GlyphBytes& glyph) {
    std::string text;
    for (std::uint8_t column : glyph) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", column);
        if (!text.empty()) text += ' ';
        text += digits;
    }
    return text;
}

std::optional<state::GlyphBytes> parseGlyphText(std::string_view text) {
    std::optional<std::string_view> list = glyphList(text);
    if (!list) return std::nullopt;
    std::string_view rest = *list;
    state::GlyphBytes glyph{};
    std::size_t count = 0;
    for (;;) {
        rest = trimmed(rest);
        if (rest.empty()) break;
        if (count == glyph.size()) return std::nullopt;
        const std::optional<std::uint8_t> byte = takeByte(rest);
        if (!byte) return std::nullopt;
        glyph[count++] = *byte;
        // A byte's digits end at a blank, a comma or a character no byte starts with.
        rest = trimmed(rest);
        if (rest.starts_with(',')) rest.remove_prefix(1);
    }
    if (count != glyph.size()) return std::nullopt;
    return glyph;
}

void writeGlyph(state::EditorState& state, const state::GlyphBytes& glyph) {
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        state.columnField(column).setText(state::hexText(glyph[column - 1]));
    }
}

}  // namespace fontedit::editing
