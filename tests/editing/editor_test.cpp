// The editor's rules around the user's actions: a finished code edit shows its glyph, a drag
// paints, and the editor knows when the saved part of the tables holds unsaved work.
#include "editing/editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "filled_font.h"
#include "state/conversions.h"
#include "state/failure.h"

namespace fontedit::editing {
namespace {

using state::FieldId;

TEST(CodeEdit, AChangedValidCodeShowsItsGlyphWhenEditingFinishes) {
    struct Case {
        const char* typed;
        int shown;  // -1: the glyph on show stays
        const char* nextWrites;
        int nextShows;
    };
    const Case cases[] = {
        {"5", 5, "6", 6},         {"100", 100, "100", 100}, {"&H10", 16, "17", 17},
        {"2.5", 2, "3.5", 4},     {"abc", 0, "1", 1},       {"", 0, "1", 1},
        {"33", -1, "34", 34},     {"-1", -1, "0", 0},       {"101", -1, "101", -1},
        {"1e10", -1, "1e10", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Editor editor;
        auto& state = editor.state();
        showFilledFont(editor, "33");
        // Changed behind the fields' back: a glyph shown again shows it.
        state.font.setCell(33, 1, "AA");

        editor.type(FieldId::Code, c.typed);
        editor.finishEditing(FieldId::Code);
        if (c.shown < 0) {
            expectShowing(state, 33);
        } else {
            expectShowing(state, c.shown);
        }

        // Previous and Next read the code field as before.
        if (c.nextShows < 0) {
            EXPECT_THROW(editor.next(), state::Failure);
        } else {
            editor.next();
            expectShowing(state, c.nextShows);
        }
        EXPECT_EQ(state.codeField().text(), c.nextWrites);
    }
}

TEST(CodeEdit, EditsAfterATypedCodeGoToItsOwnGlyph) {
    Editor editor;
    auto& state = editor.state();
    showFilledFont(editor, "33");
    editor.type(FieldId::Code, "5");
    editor.finishEditing(FieldId::Code);
    editor.togglePixel(1, 0);
    EXPECT_EQ(state.font.cell(5, 1), "7");
    EXPECT_EQ(state.font.cell(33, 1), state::hexText(34));
}

TEST(Drag, SetsEachPixelToTheStateTheFirstOneGot) {
    struct Case {
        int column, row;  // pressed first
        const char* column1;
        const char* column2;
    };
    // Column 1 starts as "F0", column 2 as "0"; the drag moves to (1, 1), (1, 4), (1, 0),
    // (2, 0) and (2, 4), painting every pixel on its way.
    const Case cases[] = {{1, 0, "FF", "1F"}, {1, 5, "C0", "0"}, {2, 7, "FF", "FF"}};
    for (const auto& c : cases) {
        Editor editor;
        auto& state = editor.state();
        editor.type(FieldId::Column1, "F0");
        editor.startDrag(c.column, c.row);
        for (auto [column, row] : {std::pair{1, 1}, {1, 4}, {1, 0}, {2, 0}, {2, 4}}) {
            editor.dragOver(column, row);
        }
        editor.endDrag();
        editor.dragOver(1, 2);
        EXPECT_EQ(state.columnField(1).text(), c.column1) << c.column << c.row;
        EXPECT_EQ(state.columnField(2).text(), c.column2) << c.column << c.row;
        EXPECT_EQ(state.font.cell(0, 1), c.column1);
    }
}

TEST(Drag, AFailedPressPaintsNothingMore) {
    Editor editor;
    auto& state = editor.state();
    state.codeField().setText("-1");
    EXPECT_THROW(editor.startDrag(1, 0), state::Failure);
    editor.dragOver(2, 0);
    editor.endDrag();
    EXPECT_EQ(state.columnField(2).text(), "0");
}

TEST(UnsavedChanges, CountOnlyTheSavedPartOfTheTables) {
    struct Case {
        const char* name;
        std::function<void(Editor&)> action;
        bool unsaved;
    };
    const auto typeAt = [](const char* code, FieldId field, const char* text) {
        return [=](Editor& e) {
            e.type(FieldId::Code, code);
            e.type(field, text);
        };
    };
    const Case cases[] = {
        {"toggle at 0", [](Editor& e) { e.togglePixel(1, 0); }, true},
        {"column at 95", typeAt("95", FieldId::Column5, "1"), true},
        {"column at 96", typeAt("96", FieldId::Column5, "1"), false},
        {"label at 95", typeAt("95", FieldId::Label, "a"), true},
        {"label at 100", typeAt("100", FieldId::Label, "a"), false},
        {"code typed", typeAt("5", FieldId::Code, "6"), false},
        {"navigation", [](Editor& e) { e.next(); }, false},
        {"saved",
         [](Editor& e) {
             e.togglePixel(1, 0);
             e.markSaved();
         },
         false},
        {"read",
         [](Editor& e) {
             e.togglePixel(1, 0);
             e.read([](state::FontTable& font, state::LabelTable&) { font.setCell(3, 3, "3"); });
         },
         false},
        {"typed back",
         [](Editor& e) {
             e.type(FieldId::Label, "a");
             e.type(FieldId::Label, "");
         },
         false},
    };
    for (const auto& c : cases) {
        Editor editor;
        EXPECT_FALSE(editor.hasUnsavedChanges());
        c.action(editor);
        EXPECT_EQ(editor.hasUnsavedChanges(), c.unsaved) << c.name;
    }
}

}  // namespace
}  // namespace fontedit::editing
