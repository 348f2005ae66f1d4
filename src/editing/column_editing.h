#pragma once

// The three editing rules of a glyph column: a pixel click flips one bit of the column's
// byte, a changed column text recolours its pixels and is stored under the current code,
// and a changed label is stored under the current code.
#include "state/editor_state.h"

namespace fontedit::editing {

// column 1-5, row 0-7
void togglePixel(state::EditorState& state, int column, int row);
void refreshColumn(state::EditorState& state, int column);
void storeLabel(state::EditorState& state);

}  // namespace fontedit::editing
