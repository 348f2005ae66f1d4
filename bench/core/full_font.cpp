#include "bench/core/full_font.h"

#include "bench/common/glyph_pattern.h"
#include "state/conversions.h"

namespace fontedit::bench {

void drawFullFont(editing::Editor& editor) {
    state::EditorState& state = editor.state();
    for (int code = 0; code < state::kSavedCodes; ++code) {
        state.codeField().setText(state::codeText(code));
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            state.columnField(column).setText(columnText(code, column));
        }
        state.labelField().setText(labelText(code));
    }
    state.codeField().setText("0");
    editor.showGlyph();
}

}  // namespace fontedit::bench
