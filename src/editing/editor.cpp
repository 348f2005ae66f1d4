#include "editing/editor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "editing/column_editing.h"
#include "editing/navigation.h"
#include "state/conversions.h"
#include "state/failure.h"

namespace fontedit::editing {

Editor::Editor() {
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        state_.columnField(column).setChangeAction(
            [this, column] { refreshColumn(state_, column); });
    }
    state_.labelField().setChangeAction([this] { storeLabel(state_); });
    state_.font.addObserver([this](int code, int column, const std::string& before) {
        history_.noteCell(code, column, before);
    });
    state_.labels.addObserver(
        [this](int code, const std::string& before) { history_.noteLabel(code, before); });
}

Editor::Step::Step(Editor& editor) : editor_(editor) {
    editor_.closeStep();
    editor_.beginStep();
}

Editor::Step::~Step() {
    editor_.closeStep();
}

void Editor::closeStep() {
    history_.end(state_.font, state_.labels);
    typing_.reset();
    drag_.reset();
}

void Editor::beginStep() {
    history_.begin(validCode().value_or(-1));
}

std::optional<int> Editor::validCode() const {
    try {
        return state_.currentCode();
    } catch (const state::Failure&) {
        return std::nullopt;
    }
}

bool Editor::columnBit(int column, int row) const {
    return state::bitTest(row, state::columnValue(state_.columnField(column).text()));
}

void Editor::togglePixel(int column, int row) {
    Step step(*this);
    editing::togglePixel(state_, column, row);
}

void Editor::startDrag(int column, int row) {
    closeStep();
    beginStep();
    editing::togglePixel(state_, column, row);
    drag_ = Drag{columnBit(column, row), column, row};
}

void Editor::dragOver(int column, int row) {
    if (!drag_) return;
    const int fromColumn = drag_->column;
    const int fromRow = drag_->row;
    const int steps = std::max(std::abs(column - fromColumn), std::abs(row - fromRow));
    for (int step = 1; step <= steps; ++step) {
        const double share = static_cast<double>(step) / steps;
        paint(fromColumn + static_cast<int>(std::lround((column - fromColumn) * share)),
              fromRow + static_cast<int>(std::lround((row - fromRow) * share)));
    }
    drag_->column = column;
    drag_->row = row;
}

void Editor::paint(int column, int row) {
    if (columnBit(column, row) != drag_->lights) editing::togglePixel(state_, column, row);
}

void Editor::endDrag() {
    closeStep();
}

void Editor::type(state::FieldId id, std::string text) {
    if (typing_ != id) {
        closeStep();
        beginStep();
        typing_ = id;
    }
    state_.field(id).setText(std::move(text));
}

void Editor::finishEditing(state::FieldId id) {
    closeStep();
    if (id == state::FieldId::Code && state_.codeField().text() != shownCode_ && validCode()) {
        showGlyph();
    }
}

void Editor::previous() {
    closeStep();
    editing::previous(state_);
    shownCode_ = state_.codeField().text();
}

void Editor::next() {
    closeStep();
    editing::next(state_);
    shownCode_ = state_.codeField().text();
}

void Editor::showGlyph() {
    closeStep();
    editing::showGlyph(state_);
    shownCode_ = state_.codeField().text();
}

void Editor::apply(GridCommand command) {
    Step step(*this);
    writeGlyph(state_, transformed(shownGlyph(state_), command));
}

void Editor::paste(std::string_view text) {
    const std::optional<state::GlyphBytes> glyph = parseGlyphText(text);
    if (!glyph) throw state::Failure(state::Cause::NotAGlyph, {.value = std::string(text)});
    Step step(*this);
    writeGlyph(state_, *glyph);
}

std::string Editor::copyText() const {
    return glyphText(shownGlyph(state_));
}

void Editor::read(const std::function<void(state::FontTable&, state::LabelTable&)>& store) {
    {
        Step step(*this);
        store(state_.font, state_.labels);
    }
    markSaved();
    showGlyph();
}

void Editor::read(const state::FontData& data) {
    read([&data](state::FontTable& font, state::LabelTable& labels) {
        state::storeTableTexts(data, font, labels);
    });
}

void Editor::restore(const std::function<void(state::FontTable&, state::LabelTable&)>& store,
                     std::string code) {
    {
        Step step(*this);
        store(state_.font, state_.labels);
    }
    state_.codeField().setText(std::move(code));
    if (validCode()) showGlyph();
}

void Editor::markSaved() {
    saved_.take(state_.font, state_.labels);
}

bool Editor::hasUnsavedChanges() const {
    return !saved_.matches(state_.font, state_.labels);
}

void Editor::undo() {
    closeStep();
    if (history_.canUndo()) show(history_.undo(state_.font, state_.labels));
}

void Editor::redo() {
    closeStep();
    if (history_.canRedo()) show(history_.redo(state_.font, state_.labels));
}

void Editor::show(int code) {
    state_.codeField().setText(state::codeText(code));
    showGlyph();
}

}  // namespace fontedit::editing
