#include "editing/editor.h"

#include "editing/column_editing.h"
#include "editing/navigation.h"

namespace fontedit::editing {

Editor::Editor() {
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        state_.columnField(column).setChangeAction(
            [this, column] { refreshColumn(state_, column); });
    }
    state_.labelField().setChangeAction([this] { storeLabel(state_); });
}

void Editor::togglePixel(int column, int row) {
    editing::togglePixel(state_, column, row);
}
void Editor::previous() {
    editing::previous(state_);
}
void Editor::next() {
    editing::next(state_);
}
void Editor::showGlyph() {
    editing::showGlyph(state_);
}

}  // namespace fontedit::editing
