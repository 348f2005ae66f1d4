// Undo and redo through the editor: every kind of change is one step, restores the tables
// exactly and shows the glyph it changed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editing/editor.h"
#include "filled_font.h"
#include "state/conversions.h"
#include "support/table_texts.h"

namespace fontedit::editing {
namespace {

using state::FieldId;

using support::tableTexts;

TEST(Undo, EachChangeIsOneStepThatRestoresTheTablesAndShowsItsGlyph) {
    struct Case {
        const char* name;
        std::function<void(Editor&)> change;
    };
    const Case cases[] = {
        {"toggle", [](Editor& e) { e.togglePixel(2, 3); }},
        {"drag",
         [](Editor& e) {
             e.startDrag(1, 0);
             e.dragOver(1, 1);
             e.dragOver(2, 1);
             e.dragOver(3, 5);
             e.endDrag();
         }},
        {"column typed",
         [](Editor& e) {
             for (const char* text : {"1", "12", "12F"}) e.type(FieldId::Column3, text);
         }},
        {"label typed",
         [](Editor& e) {
             for (const char* text : {"x", "xy"}) e.type(FieldId::Label, text);
         }},
        {"read",
         [](Editor& e) {
             e.read([](state::FontTable& font, state::LabelTable& labels) {
                 font.setCell(0, 1, "FF");
                 font.setCell(95, 5, "1");
                 labels.setLabel(40, "R");
             });
         }},
        {"clear", [](Editor& e) { e.apply(GridCommand::Clear); }},
        {"invert", [](Editor& e) { e.apply(GridCommand::Invert); }},
        {"shift up", [](Editor& e) { e.apply(GridCommand::ShiftUp); }},
        {"shift down", [](Editor& e) { e.apply(GridCommand::ShiftDown); }},
        {"shift left", [](Editor& e) { e.apply(GridCommand::ShiftLeft); }},
        {"shift right", [](Editor& e) { e.apply(GridCommand::ShiftRight); }},
        {"mirror", [](Editor& e) { e.apply(GridCommand::MirrorLeftRight); }},
        {"paste", [](Editor& e) { e.paste("0x7C, 0x12, 0x11, 0x12, 0x7C"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor;
        auto& state = editor.state();
        showFilledFont(editor, "7");
        const auto before = tableTexts(state);

        c.change(editor);
        const auto after = tableTexts(state);
        EXPECT_NE(after, before);
        editor.next();

        editor.undo();
        EXPECT_EQ(tableTexts(state), before);
        EXPECT_EQ(state.codeField().text(), "7");
        expectShowing(state, 7);
        editor.next();
        editor.redo();
        EXPECT_EQ(tableTexts(state), after);
        EXPECT_EQ(state.codeField().text(), "7");
        EXPECT_EQ(state.columnField(3).text(), state.font.cell(7, 3));
        editor.undo();
        EXPECT_EQ(tableTexts(state), before);
    }
}

TEST(Undo, ARunOfKeystrokesInOneFieldIsOneStep) {
    Editor editor;
    auto& state = editor.state();
    editor.type(FieldId::Column1, "1");
    editor.type(FieldId::Column1, "12");
    editor.type(FieldId::Column2, "3");
    editor.type(FieldId::Column1, "4");
    editor.finishEditing(FieldId::Column1);
    editor.type(FieldId::Column1, "45");
    // Cells (0, 1) and (0, 2) after each undo.
    const std::vector<std::pair<std::string, std::string>> steps = {
        {"4", "3"}, {"12", "3"}, {"12", ""}, {"", ""}, {"", ""}};
    for (const auto& [column1, column2] : steps) {
        editor.undo();
        EXPECT_EQ(state.font.cell(0, 1), column1);
        EXPECT_EQ(state.font.cell(0, 2), column2);
    }
}

TEST(Undo, KeepsTheLatestTenThousandSteps) {
    Editor editor;
    constexpr int kSteps = 10001;
    for (int step = 1; step <= kSteps; ++step) {
        editor.type(FieldId::Column1, state::hexText(step));
        editor.finishEditing(FieldId::Column1);
    }
    for (int step = 1; step <= kSteps; ++step) editor.undo();
    EXPECT_EQ(editor.state().font.cell(0, 1), "1");
    for (int step = 1; step < kSteps; ++step) editor.redo();
    EXPECT_EQ(editor.state().font.cell(0, 1), state::hexText(kSteps));
}

TEST(Undo, ANewChangeDropsTheStepsThatCouldBeRedone) {
    Editor editor;
    auto& state = editor.state();
    editor.togglePixel(1, 0);
    editor.togglePixel(2, 0);
    editor.undo();
    editor.togglePixel(3, 0);
    editor.redo();
    EXPECT_EQ(state.font.cell(0, 2), "");
    EXPECT_EQ(state.font.cell(0, 3), "1");
    // A step that changes nothing keeps them.
    editor.undo();
    editor.type(FieldId::Code, "5");
    editor.finishEditing(FieldId::Code);
    editor.redo();
    EXPECT_EQ(state.font.cell(0, 3), "1");
}

TEST(Undo, BackToTheSavedStateLeavesNoUnsavedChanges) {
    Editor editor;
    editor.togglePixel(1, 0);
    editor.apply(GridCommand::Invert);
    EXPECT_TRUE(editor.hasUnsavedChanges());
    editor.undo();
    EXPECT_TRUE(editor.hasUnsavedChanges());
    editor.undo();
    EXPECT_FALSE(editor.hasUnsavedChanges());
    editor.redo();
    EXPECT_TRUE(editor.hasUnsavedChanges());
    editor.markSaved();
    editor.undo();
    EXPECT_TRUE(editor.hasUnsavedChanges());
}

}  // namespace
}  // namespace fontedit::editing
