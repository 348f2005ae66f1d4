#include "editing/column_editing.h"

#include "state/conversions.h"

namespace fontedit::editing {

using state::columnValue;
using state::powerOfTwo;
using state::wholeNumber;

void togglePixel(state::EditorState& state, int column, int row) {
    state::TextField& field = state.columnField(column);
    const int value = wholeNumber(columnValue(field.text()));
    const int mask = wholeNumber(powerOfTwo(row));
    // The decision comes from the text, not the colour, so stale colours cannot mislead it.
    const double toggled = (value & mask) != 0 ? columnValue(field.text()) - powerOfTwo(row)
                                               : powerOfTwo(row) + columnValue(field.text());
    field.setText(state::hexText(toggled));
    refreshColumn(state, column);
}

void refreshColumn(state::EditorState& state, int column) {
    const std::string& text = state.columnField(column).text();
    for (int row = 0; row < state::kGlyphRows; ++row) {
        state.pixels.setColour(column, row,
                               state::bitTest(row, columnValue(text)) ? state::PixelColour::Lit
                                                                      : state::PixelColour::Unlit);
    }
    state.font.setCell(state.currentCode(), column, text);
}

void storeLabel(state::EditorState& state) {
    state.labels.setLabel(state.currentCode(), state.labelField().text());
}

}  // namespace fontedit::editing
