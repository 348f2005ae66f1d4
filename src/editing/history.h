#pragma once

// The undo history: each step holds the table texts that one user action changed, as compact
// before/after pairs rather than copies of the tables.
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "state/tables.h"

namespace fontedit::editing {

class History {
public:
    static constexpr std::size_t kMaxSteps = 10000;

    // Starts collecting a step. `code` is the glyph to show when the step is undone or redone;
    // -1 takes the code of its first change.
    void begin(int code);
    // A cell (column 0-8) or label is about to change. Outside an open step this opens one.
    void noteCell(int code, int column, const std::string& before);
    void noteLabel(int code, const std::string& before);
    // Closes the open step against the tables as they are now. A step that changed nothing is
    // dropped; one that did drops the steps that could have been redone.
    void end(const state::FontTable& font, const state::LabelTable& labels);

    bool canUndo() const { return undone_ < steps_.size(); }
    bool canRedo() const { return undone_ > 0; }
    // Put back the texts before (undo) or after (redo) the step; return the code to show.
    int undo(state::FontTable& font, state::LabelTable& labels);
    int redo(state::FontTable& font, state::LabelTable& labels);

private:
    // A label is kept as column kTableColumns.
    static constexpr int kSlots = state::kTableColumns + 1;

    struct Noted {
        std::uint8_t code;
        std::uint8_t slot;
        std::string before;
    };

    void note(int code, int slot, const std::string& before);
    int replay(const std::string& step, bool forward, state::FontTable& font,
               state::LabelTable& labels);

    std::deque<std::string> steps_;
    std::size_t undone_ = 0;
    bool open_ = false;
    bool replaying_ = false;
    int openCode_ = -1;
    std::vector<Noted> noted_;
    std::bitset<state::kCodeCount * kSlots> seen_;
};

}  // namespace fontedit::editing
