#include "editing/bitmap_history.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace fontedit::editing {
namespace {

// Below this many changes each glyph is put in its place; above it the font is merged with them
// in one pass, as putting tens of thousands one at a time would move the font each time.
constexpr std::size_t kFewChanges = 64;

void putBack(state::BitmapFont& font, const std::vector<GlyphChange>& changes, bool forward) {
    const auto side = [forward](const GlyphChange& change) -> const auto& {
        return forward ? change.after : change.before;
    };
    if (changes.size() < kFewChanges) {
        for (const GlyphChange& change : changes) {
            if (side(change))
                font.put(*side(change));
            else
                font.erase(change.character);
        }
        return;
    }
    std::vector<state::BitmapGlyph> merged;
    merged.reserve(font.glyphs.size() + changes.size());
    auto glyph = font.glyphs.begin();
    for (const GlyphChange& change : changes) {
        while (glyph != font.glyphs.end() && glyph->character < change.character) {
            merged.push_back(std::move(*glyph++));
        }
        if (glyph != font.glyphs.end() && glyph->character == change.character) ++glyph;
        if (side(change)) merged.push_back(*side(change));
    }
    std::move(glyph, font.glyphs.end(), std::back_inserter(merged));
    font.glyphs = std::move(merged);
}

}  // namespace

void BitmapHistory::push(BitmapStep step) {
    steps_.erase(steps_.end() - static_cast<std::ptrdiff_t>(undone_), steps_.end());
    undone_ = 0;
    step.id = ++lastId_;
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) {
        droppedId_ = steps_.front().id;
        steps_.pop_front();
    }
}

void BitmapHistory::apply(BitmapStep step, state::BitmapFont& font) {
    putBack(font, step.changes, true);
    push(std::move(step));
}

void BitmapHistory::clear() {
    steps_.clear();
    undone_ = 0;
    droppedId_ = ++lastId_;
}

const BitmapStep& BitmapHistory::undo(state::BitmapFont& font) {
    const BitmapStep& step = steps_[steps_.size() - ++undone_];
    putBack(font, step.changes, false);
    return step;
}

const BitmapStep& BitmapHistory::redo(state::BitmapFont& font) {
    const BitmapStep& step = steps_[steps_.size() - undone_--];
    putBack(font, step.changes, true);
    return step;
}

std::uint64_t BitmapHistory::position() const {
    const std::size_t done = steps_.size() - undone_;
    return done == 0 ? droppedId_ : steps_[done - 1].id;
}

}  // namespace fontedit::editing
