#include "read_checks.h"

#include "carried_texts.h"
#include "check.h"
#include "editing/editor.h"
#include "formats/own/cell_texts.h"
#include "formats/own/font_files.h"
#include "state/conversions.h"
#include "state/failure.h"

namespace fontedit::fuzz {
namespace {

using state::Cause;
using state::Failure;

// Every cell and label distinct, so that a partial load cannot go unnoticed; built once, as
// every run starts from them.
struct FilledTables {
    state::FontTable font;
    state::LabelTable labels;

    FilledTables() {
        for (int code = 0; code < state::kCodeCount; ++code) {
            for (int column = 0; column < state::kTableColumns; ++column) {
                font.setCell(code, column, state::hexText(code * 16 + column));
            }
            labels.setLabel(code, "L" + std::to_string(code));
        }
    }
};

const FilledTables& filled() {
    static const FilledTables tables;
    return tables;
}

bool tablesUntouched(const state::EditorState& state, bool exceptLoadedPart) {
    for (int code = 0; code < state::kCodeCount; ++code) {
        const bool loadedCode = exceptLoadedPart && code < state::kSavedCodes;
        for (int column = 0; column < state::kTableColumns; ++column) {
            if (loadedCode && column >= 1 && column <= state::kGlyphColumns) continue;
            if (state.font.cell(code, column) != filled().font.cell(code, column)) return false;
        }
        if (!loadedCode && state.labels.label(code) != filled().labels.label(code)) return false;
    }
    return true;
}

bool holds(const state::EditorState& state, const state::FontData& data) {
    const state::FontData held = state::tableTexts<state::FontData>(state.font, state.labels);
    return held.cells == data.cells && held.labels == data.labels;
}

// Whether every cell stays in its place through Save and Read; a quoted field can load a
// cell that holds a comma, which Save then refuses.
bool everyCellKeepsItsPlace(const state::FontData& data) {
    for (const auto& cells : data.cells) {
        for (const std::string& cell : cells) {
            if (!formats::keepsItsPlaceAsCell(cell)) return false;
        }
    }
    return true;
}

// Texts loaded from CP932 always have an exact CP932 form, so only a leading blank is lost.
bool survivesTheFiles(const state::FontData& data) {
    for (const auto& cells : data.cells) {
        for (const std::string& cell : cells) {
            if (startsWithBlank(cell)) return false;
        }
    }
    return true;
}

}  // namespace

Parsed parse(const std::string& fontBytes, const std::string& labelBytes) {
    Parsed parsed;
    try {
        parsed.data = formats::parseFontFiles(fontBytes, labelBytes);
    } catch (const Failure& failure) {
        require(failure.cause() == Cause::PastEndOfFile || failure.cause() == Cause::InvalidCp932,
                "the files fail only by ending early or by bytes that are not CP932");
        parsed.failure = failure.number();
    }
    return parsed;
}

// Loaded texts come from CP932, so they always encode again unless a cell would move the
// ones after it, and those the format carries come back the same from a second round.
void checkWrittenAgain(const state::FontData& data) {
    std::string fontBytes;
    try {
        fontBytes = formats::fontFileBytes(data);
    } catch (const Failure& failure) {
        require(failure.cause() == Cause::MovesLaterTexts && !everyCellKeepsItsPlace(data),
                "a font written from loaded files fails only for a cell that would move others");
        return;
    }
    require(everyCellKeepsItsPlace(data), "a cell that would move others is never written");
    const Parsed again = parse(fontBytes, formats::labelFileBytes(data));
    require(again.failure == 0, "a font written from loaded files loads again");
    if (!survivesTheFiles(data)) return;
    require(again.data.cells == data.cells && again.data.labels == data.labels,
            "a font written from loaded files loads the same");
}

void checkRead(const formats::FontFiles& bytes, const Parsed& expected) {
    editing::Editor editor;
    editor.state().font = filled().font;
    editor.state().labels = filled().labels;
    int failure = 0;
    try {
        editor.read(formats::parseFontFiles(bytes.font, bytes.labels));
    } catch (const Failure& caught) {
        failure = caught.number();
    }
    require(failure == expected.failure, "Read fails exactly when the bytes do not load");
    if (failure != 0) {
        require(tablesUntouched(editor.state(), false), "a failed Read leaves the tables alone");
        return;
    }
    require(tablesUntouched(editor.state(), true), "Read leaves codes 96-100 and columns 0, 6-8");
    require(holds(editor.state(), expected.data), "Read stores what the files hold");
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        require(editor.state().columnField(column).text() == expected.data.cells[0][column - 1],
                "Read shows the glyph of the current code");
    }
    require(editor.state().labelField().text() == expected.data.labels[0],
            "Read shows the label of the current code");
}

}  // namespace fontedit::fuzz
