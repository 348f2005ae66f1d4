#include "editing/navigation.h"

#include "editing/column_editing.h"
#include "state/conversions.h"

namespace fontedit::editing {

void previous(state::EditorState& state) {
    const double code = state::codeNumber(state.codeField().text());
    if (code > 0) state.codeField().setText(state::codeText(code - 1));
    showGlyph(state);
}

void next(state::EditorState& state) {
    const double code = state::codeNumber(state.codeField().text());
    if (code < state::kSavedCodes - 1) state.codeField().setText(state::codeText(code + 1));
    showGlyph(state);
}

void showGlyph(state::EditorState& state) {
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        // Copied, since the refresh that the write triggers stores into this very cell.
        std::string text = state.font.cell(state.currentCode(), column);
        state.columnField(column).setText(std::move(text));
        refreshColumn(state, column);
    }
    state.labelField().setText(state.labels.label(state.currentCode()));
}

}  // namespace fontedit::editing
