#pragma once

// Stepping through the codes and showing the glyph of the current code.
#include "state/editor_state.h"

namespace fontedit::editing {

// Steps the code field down by one unless it already reads 0 or less, then shows the glyph.
void previous(state::EditorState& state);
// Steps the code field up by one unless it already reads 95 or more, then shows the glyph.
void next(state::EditorState& state);
// Puts the current code's column texts and label into the fields and refreshes every column.
void showGlyph(state::EditorState& state);

}  // namespace fontedit::editing
