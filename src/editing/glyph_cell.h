#pragma once

// A glyph of a bitmap font on the font's cell: the box every glyph is shown in, its dots by
// the cell's columns and rows, the hex fields, the grid commands and the text a copied glyph
// is. A glyph keeps its own box; a dot lit outside it grows the box to take it in.
#include <string>
#include <string_view>

#include "editing/grid_commands.h"
#include "state/bitmap_font.h"

namespace fontedit::editing {

// As BDF's BBX: its lower-left corner against the origin, y growing upwards, and its size.
using CellBox = state::FontCell;

// The font's cell (state::fontCell), cut to kMostCellSide / 2 dots from the origin each way; at
// least one dot wide and high. A glyph a file places beyond that shows only in part, and an edit
// keeps only the dots the cell shows. Its dots are state::cellDot's: x from the cell's left
// column, y from its top row.
inline constexpr int kMostCellSide = 4 * state::kMaxGlyphSide;
CellBox shownCell(const state::BitmapFont& font);

// Fails with GlyphPastSide where the glyph's box would grow past kMaxGlyphSide to take the dot.
void setCellDot(state::BitmapGlyph& glyph, const CellBox& cell, int x, int y, bool lit);

// The hex fields: one per column of the cell, bit 0 its top dot, when the cell is at most
// eight dots high, else one per row, as BDF writes a row: rowByteCount(width) bytes, the left
// dot in the top bit.
bool hexByColumn(const CellBox& cell);
int hexFieldCount(const CellBox& cell);
// An index past the fields reads "" and sets nothing.
std::string hexField(const state::BitmapGlyph& glyph, const CellBox& cell, int index);
// Blanks around the digits are allowed, and no digits is 0. Fails with ColumnNotHex or RowNotHex
// for text that is not hex digits, or lights dots past the cell.
void setHexField(state::BitmapGlyph& glyph, const CellBox& cell, int index, std::string_view text);

// On the dots the cell shows, as the classic commands do: dots shifted off the cell are lost,
// and the glyph's box grows to the cell where a command lights dots outside it.
void applyToGlyph(state::BitmapGlyph& glyph, const CellBox& cell, GridCommand command);

// "<width>x<height>" and each row as BDF writes it, blanks between: "3x2 A0 40".
std::string bitmapGlyphText(const state::BitmapGlyph& glyph, const CellBox& cell);
// Puts the dots of such a text onto the glyph at the cell's top-left corner, cut to the cell.
// Fails with NotABitmapGlyph, changing nothing, on any other text.
void pasteBitmapGlyph(state::BitmapGlyph& glyph, const CellBox& cell, std::string_view text);

}  // namespace fontedit::editing
