#pragma once

// The commands on the whole glyph grid: copy and paste as text, clear, invert, shift and
// mirror. They work on the glyph as its pixels show it, five bytes with column 1 first.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/editor_state.h"
#include "state/glyph_bytes.h"

namespace fontedit::editing {

enum class GridCommand {
    Clear,
    Invert,
    ShiftUp,
    ShiftDown,
    ShiftLeft,
    ShiftRight,
    MirrorLeftRight,
    MirrorUpDown,
};

// The eight rows of each column field's value.
state::GlyphBytes shownGlyph(const state::EditorState& state);
// The glyph stored under `code` as its pixels show it once it is shown.
state::GlyphBytes storedGlyph(const state::FontTable& font, int code);
// Dots shifted off the grid are lost.
state::GlyphBytes transformed(const state::GlyphBytes& glyph, GridCommand command);
// Two hex digits a byte, separated by blanks: "7C 12 11 12 7C".
std::string glyphText(const state::GlyphBytes& glyph);
// Five hex bytes separated by blanks or commas, each with or without "0x"; braces around
// them, a trailing comma and a "//" comment are allowed, so a row of a C table reads.
std::optional<state::GlyphBytes> parseGlyphText(std::string_view text);
// Writes the bytes into the column fields, whose change actions recolour and store them.
void writeGlyph(state::EditorState& state, const state::GlyphBytes& glyph);

}  // namespace fontedit::editing
