#include "editing/bitmap_editor.h"

#include <algorithm>
#include <cstdlib>

#include "state/character_list.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::editing {
namespace {

state::Facts characterFacts(char32_t character) {
    return {.code = static_cast<int>(character), .value = state::utf8Bytes(character)};
}

// BDF's glyph names are one word; the name goes on the STARTCHAR line as it is.
bool isGlyphName(std::string_view name) {
    if (name.empty()) return false;
    while (!name.empty()) {
        const state::Utf8Sequence sequence = state::utf8Sequence(name);
        if (!sequence.valid || sequence.codePoint <= 0x20 ||
            (sequence.codePoint >= 0x7F && sequence.codePoint < 0xA0)) {
            return false;
        }
        name.remove_prefix(sequence.length);
    }
    return true;
}

}  // namespace

BitmapEditor::Step::Step(BitmapEditor& editor) : editor_(editor) {
    editor_.closeStep();
    editor_.stepOpen_ = true;
    editor_.open_ = {.current = editor_.current_};
}

BitmapEditor::Step::~Step() {
    editor_.closeStep();
}

BitmapEditor::BitmapEditor(state::BitmapFont& font) : font_(font) {
    fontReplaced(true);
}

void BitmapEditor::fontReplaced(bool saved) {
    stepOpen_ = false;
    drag_.reset();
    history_.clear();
    saved_ = saved ? std::optional(history_.position()) : std::nullopt;
    cell_ = shownCell(font_);
    for (const FontObserver& observer : fontObservers_) observer();
    show(font_.find(current_) || font_.glyphs.empty() ? current_ : font_.glyphs.front().character);
}

void BitmapEditor::addGlyphsObserver(GlyphsObserver observer) {
    glyphsObservers_.push_back(std::move(observer));
}

void BitmapEditor::addCurrentObserver(CurrentObserver observer) {
    currentObservers_.push_back(std::move(observer));
}

void BitmapEditor::addFontObserver(FontObserver observer) {
    fontObservers_.push_back(std::move(observer));
}

const state::BitmapGlyph* BitmapEditor::currentGlyph() const {
    return font_.find(current_);
}

void BitmapEditor::previous() {
    const auto it =
        std::ranges::lower_bound(font_.glyphs, current_, {}, &state::BitmapGlyph::character);
    if (it != font_.glyphs.begin()) goTo(std::prev(it)->character);
}

void BitmapEditor::next() {
    const auto it =
        std::ranges::upper_bound(font_.glyphs, current_, {}, &state::BitmapGlyph::character);
    if (it != font_.glyphs.end()) goTo(it->character);
}

void BitmapEditor::goTo(char32_t character) {
    closeStep();
    show(character);
}

void BitmapEditor::goTo(std::string_view text) {
    goTo(state::parseCharacter(text));
}

bool BitmapEditor::dot(int x, int y) const {
    const state::BitmapGlyph* glyph = currentGlyph();
    return glyph && state::cellDot(cell_, *glyph, x, y);
}

void BitmapEditor::toggleDot(int x, int y) {
    setDot(x, y, !dot(x, y));
}

void BitmapEditor::setDot(int x, int y, bool lit) {
    Step step(*this);
    paint(x, y, lit);
}

void BitmapEditor::startDrag(int x, int y) {
    closeStep();
    stepOpen_ = true;
    open_ = {.current = current_};
    const bool lights = !dot(x, y);
    try {
        paint(x, y, lights);
    } catch (...) {
        closeStep();
        throw;
    }
    drag_ = Drag{lights, x, y};
}

void BitmapEditor::dragOver(int x, int y) {
    if (!drag_) return;
    // Every dot on the line from the last one, which a fast move skips.
    const int dx = std::abs(x - drag_->x), dy = -std::abs(y - drag_->y);
    const int sx = drag_->x < x ? 1 : -1, sy = drag_->y < y ? 1 : -1;
    int px = drag_->x, py = drag_->y, error = dx + dy;
    while (px != x || py != y) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += sx;
        }
        if (twice <= dx) {
            error += dx;
            py += sy;
        }
        paint(px, py, drag_->lights);
    }
    drag_->x = x;
    drag_->y = y;
}

void BitmapEditor::endDrag() {
    drag_.reset();
    closeStep();
}

std::string BitmapEditor::hexField(int index) const {
    const state::BitmapGlyph* glyph = currentGlyph();
    return glyph ? editing::hexField(*glyph, cell_, index) : std::string();
}

void BitmapEditor::setHexField(int index, std::string_view text) {
    Step step(*this);
    change([&](state::BitmapGlyph& glyph) { editing::setHexField(glyph, cell_, index, text); });
}

int BitmapEditor::advance() const {
    const state::BitmapGlyph* glyph = currentGlyph();
    return glyph ? glyph->advance : 0;
}

void BitmapEditor::setAdvance(int advance) {
    if (advance < 0 || advance > kMostAdvance) {
        throw state::Failure(
            state::Cause::AdvanceOutOfRange,
            {.value = std::to_string(advance), .needed = "0-" + std::to_string(kMostAdvance)});
    }
    Step step(*this);
    change([&](state::BitmapGlyph& glyph) { glyph.advance = advance; });
}

void BitmapEditor::addGlyph() {
    if (currentGlyph()) throw state::Failure(state::Cause::GlyphExists, characterFacts(current_));
    Step step(*this);
    note(current_);
    // A cell larger than a glyph may be, which only a font of far-flung glyphs has, gives the
    // glyph its top left corner.
    const int width = std::min(cell_.width, state::kMaxGlyphSide);
    const int height = std::min(cell_.height, state::kMaxGlyphSide);
    state::BitmapGlyph glyph = state::blankGlyph(current_, width, height);
    glyph.name = state::wordName(glyph);
    glyph.left = cell_.left;
    glyph.bottom = cell_.bottom + cell_.height - height;
    glyph.advance = std::max(0, cell_.left + cell_.width);
    font_.put(std::move(glyph));
    changed({current_});
}

void BitmapEditor::deleteGlyph() {
    if (!currentGlyph()) throw state::Failure(state::Cause::NoGlyphHere, characterFacts(current_));
    Step step(*this);
    note(current_);
    font_.erase(current_);
    changed({current_});
}

void BitmapEditor::rename(std::string name) {
    if (!isGlyphName(name)) throw state::Failure(state::Cause::BadGlyphName, {.value = name});
    Step step(*this);
    change([&](state::BitmapGlyph& glyph) { glyph.name = std::move(name); });
}

void BitmapEditor::apply(GridCommand command) {
    Step step(*this);
    change([&](state::BitmapGlyph& glyph) { applyToGlyph(glyph, cell_, command); });
}

std::string BitmapEditor::copyText() const {
    const state::BitmapGlyph* glyph = currentGlyph();
    return glyph ? bitmapGlyphText(*glyph, cell_) : std::string();
}

void BitmapEditor::paste(std::string_view text) {
    Step step(*this);
    change([&](state::BitmapGlyph& glyph) { pasteBitmapGlyph(glyph, cell_, text); });
}

int BitmapEditor::replacedBy(const state::BitmapFont& glyphs) const {
    return static_cast<int>(std::ranges::count_if(glyphs.glyphs, [&](const state::BitmapGlyph& g) {
        return font_.find(g.character) != nullptr;
    }));
}

void BitmapEditor::merge(const state::BitmapFont& glyphs) {
    closeStep();
    BitmapStep step{.current = current_, .merged = true};
    std::vector<char32_t> characters;
    for (state::BitmapGlyph glyph : glyphs.glyphs) {
        // Named as the file will name it, so that the font saved reads back as it is.
        glyph.name = state::wordName(glyph);
        const state::BitmapGlyph* before = font_.find(glyph.character);
        if (before && *before == glyph) continue;
        characters.push_back(glyph.character);
        step.changes.push_back(
            {glyph.character, before ? std::optional(*before) : std::nullopt, std::move(glyph)});
    }
    if (characters.empty()) return;
    history_.apply(std::move(step), font_);
    newCell();
    changed(std::move(characters));
}

void BitmapEditor::undo() {
    closeStep();
    if (history_.canUndo()) applied(history_.undo(font_));
}

void BitmapEditor::redo() {
    closeStep();
    if (history_.canRedo()) applied(history_.redo(font_));
}

bool BitmapEditor::hasUnsavedChanges() const {
    return !saved_ || *saved_ != history_.position() || (stepOpen_ && !open_.changes.empty());
}

void BitmapEditor::markSaved() {
    closeStep();
    saved_ = history_.position();
}

void BitmapEditor::change(const std::function<void(state::BitmapGlyph&)>& edit) {
    state::BitmapGlyph* glyph = font_.find(current_);
    if (!glyph) throw state::Failure(state::Cause::NoGlyphHere, characterFacts(current_));
    // On a copy, so that a failure changes nothing.
    state::BitmapGlyph edited = *glyph;
    edit(edited);
    if (edited == *glyph) return;
    note(current_);
    *glyph = std::move(edited);
    changed({current_});
}

void BitmapEditor::note(char32_t character) {
    if (std::ranges::find(open_.changes, character, &GlyphChange::character) !=
        open_.changes.end()) {
        return;
    }
    const state::BitmapGlyph* glyph = font_.find(character);
    open_.changes.push_back({character, glyph ? std::optional(*glyph) : std::nullopt, {}});
}

void BitmapEditor::closeStep() {
    drag_.reset();
    if (!stepOpen_) return;
    stepOpen_ = false;
    BitmapStep step = std::move(open_);
    open_ = {};
    for (GlyphChange& change : step.changes) {
        const state::BitmapGlyph* glyph = font_.find(change.character);
        if (glyph) change.after = *glyph;
    }
    std::erase_if(step.changes,
                  [](const GlyphChange& change) { return change.before == change.after; });
    if (step.changes.empty()) return;
    std::ranges::sort(step.changes, {}, &GlyphChange::character);
    history_.push(std::move(step));
}

void BitmapEditor::paint(int x, int y, bool lit) {
    change([&](state::BitmapGlyph& glyph) { setCellDot(glyph, cell_, x, y, lit); });
}

void BitmapEditor::changed(std::vector<char32_t> characters) {
    for (const GlyphsObserver& observer : glyphsObservers_) observer(characters);
}

void BitmapEditor::show(char32_t character) {
    const bool moved = character != current_;
    current_ = character;
    if (!moved) return;
    for (const CurrentObserver& observer : currentObservers_) observer(current_);
}

void BitmapEditor::newCell() {
    const CellBox cell = shownCell(font_);
    if (cell == cell_) return;
    cell_ = cell;
    for (const FontObserver& observer : fontObservers_) observer();
}

void BitmapEditor::applied(const BitmapStep& step) {
    if (step.merged) newCell();
    std::vector<char32_t> characters;
    characters.reserve(step.changes.size());
    for (const GlyphChange& change : step.changes) characters.push_back(change.character);
    changed(std::move(characters));
    show(step.current);
}

}  // namespace fontedit::editing
