#pragma once

// The undo history of a bitmap font: each step holds the glyphs one user action changed, each
// before and after, so that a step costs what it changed, never a copy of the font.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "state/bitmap_font.h"

namespace fontedit::editing {

struct GlyphChange {
    char32_t character = 0;
    std::optional<state::BitmapGlyph> before{}, after{};  // none: the font held no glyph there
};

struct BitmapStep {
    std::vector<GlyphChange> changes{};  // sorted by character
    char32_t current = 0;                // shown when the step is undone or redone
    std::uint64_t id = 0;                // tells the font as this step leaves it from another
    bool merged = false;                 // a font merged in, which may change the cell
};

class BitmapHistory {
public:
    // As many as the classic History keeps.
    static constexpr std::size_t kMaxSteps = 10000;

    // Drops the steps that could have been redone, and the oldest past kMaxSteps; gives the step
    // its id.
    void push(BitmapStep step);
    // Puts the glyphs after the step into `font`, then pushes it.
    void apply(BitmapStep step, state::BitmapFont& font);
    void clear();

    bool canUndo() const { return undone_ < steps_.size(); }
    bool canRedo() const { return undone_ > 0; }
    // Puts back the glyphs before (undo) or after (redo) the step into `font`; the step, for its
    // characters and current character. Only when canUndo() / canRedo().
    const BitmapStep& undo(state::BitmapFont& font);
    const BitmapStep& redo(state::BitmapFont& font);
    // The id of the font as the last step done leaves it, or as it stood before every step kept.
    std::uint64_t position() const;

private:
    std::deque<BitmapStep> steps_;
    std::size_t undone_ = 0;
    std::uint64_t lastId_ = 0;
    std::uint64_t droppedId_ = 0;  // the position once every kept step is undone
};

}  // namespace fontedit::editing
