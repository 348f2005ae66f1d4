#include "filled_font.h"

#include <gtest/gtest.h>

#include <string>

#include "state/conversions.h"

namespace fontedit::editing {

void fillFont(state::EditorState& state) {
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            state.font.setCell(code, column, state::hexText(code + column));
        }
        state.labels.setLabel(code, "L" + std::to_string(code));
    }
}

void showFilledFont(Editor& editor, const char* code) {
    fillFont(editor.state());
    editor.state().codeField().setText(code);
    editor.showGlyph();
}

void expectShowing(const state::EditorState& state, int code) {
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        EXPECT_EQ(state.columnField(column).text(), state::hexText(code + column)) << code;
    }
    EXPECT_EQ(state.labelField().text(), "L" + std::to_string(code));
}

}  // namespace fontedit::editing
