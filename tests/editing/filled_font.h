#pragma once

// A font with distinct texts in every cell and label, as a loaded font would be, and a check
// that the fields show one of its glyphs.
#include "editing/editor.h"
#include "state/editor_state.h"

namespace fontedit::editing {

// Cell (code, column) holds the hex text of code + column, label code "L" and the code.
void fillFont(state::EditorState& state);
// Fills the font and shows the glyph of `code`.
void showFilledFont(Editor& editor, const char* code);
void expectShowing(const state::EditorState& state, int code);

}  // namespace fontedit::editing
