#pragma once

// The editor as a whole: its state with the editing rules bound to the fields' changes, the
// undo history and what was last saved. The window and the file actions drive it; it runs the
// same with or without a window. Each user action below is one undo step.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editing/grid_commands.h"
#include "editing/history.h"
#include "editing/saved_copy.h"
#include "state/editor_state.h"
#include "state/font_data.h"

namespace fontedit::editing {

class Editor {
public:
    Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    state::EditorState& state() { return state_; }
    const state::EditorState& state() const { return state_; }

    void togglePixel(int column, int row);
    // A press toggles its pixel; moving over other pixels with the button held sets each to
    // the state the first one got, through the same toggle, and so does every pixel on the
    // line from the last one, which a fast move skips. The whole drag is one step.
    void startDrag(int column, int row);
    void dragOver(int column, int row);
    void endDrag();
    // A run of keystrokes in one field is one step.
    void type(state::FieldId id, std::string text);
    // Return in a field, or the focus leaving it, ends its run of keystrokes. A code field
    // whose text changed since its glyph was shown and names a valid code shows that glyph,
    // so that edits are always stored under the glyph on show.
    void finishEditing(state::FieldId id);

    void previous();
    void next();
    void showGlyph();
    // The code field gets `code` and its glyph is shown, as when the code is typed and Return
    // pressed, but shown even when the field named it already.
    void show(int code);

    void apply(GridCommand command);
    // Fails with NotAGlyph, changing nothing, unless the text reads as a glyph.
    void paste(std::string_view text);
    std::string copyText() const;

    // Read: `store` replaces the tables as one step, the tables as it leaves them count as
    // saved, and the current glyph is shown.
    void read(const std::function<void(state::FontTable&, state::LabelTable&)>& store);
    // Read of a font's saved part, codes 0-95.
    void read(const state::FontData& data);
    void markSaved();
    // Brings back work kept since the last save: `store` replaces the tables as one step, which
    // stay unsaved, and the code field gets `code`, whose glyph is shown where it names one.
    void restore(const std::function<void(state::FontTable&, state::LabelTable&)>& store,
                 std::string code);
    // The current code, or nothing where the code field names none.
    std::optional<int> validCode() const;
    // Whether the saved part of the tables differs from what was last read or saved.
    bool hasUnsavedChanges() const;

    // Both restore the tables and show the glyph the step changed.
    void undo();
    void redo();

private:
    // Opens a step for one action and closes it when the action ends, even by a failure.
    class Step {
    public:
        explicit Step(Editor& editor);
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;
        ~Step();

    private:
        Editor& editor_;
    };

    // Closes the step still open from a run of keystrokes or a drag.
    void closeStep();
    void beginStep();
    bool columnBit(int column, int row) const;
    void paint(int column, int row);

    state::EditorState state_;
    History history_;
    SavedCopy saved_;
    std::optional<state::FieldId> typing_;
    struct Drag {
        bool lights;      // or clears
        int column, row;  // where it was last
    };
    std::optional<Drag> drag_;
    std::string shownCode_ = state_.codeField().text();
};

}  // namespace fontedit::editing
