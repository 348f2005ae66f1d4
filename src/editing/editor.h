#pragma once

// The editor as a whole: its state with the editing rules bound to the fields' changes.
// The window and the file actions drive it; it runs the same with or without a window.
#include "state/editor_state.h"

namespace fontedit::editing {

class Editor {
public:
    Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    state::EditorState& state() { return state_; }
    const state::EditorState& state() const { return state_; }

    void togglePixel(int column, int row);
    void previous();
    void next();
    void showGlyph();

private:
    state::EditorState state_;
};

}  // namespace fontedit::editing
