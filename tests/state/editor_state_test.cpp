#include "state/editor_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/failure.h"
#include "support/expect_failure.h"

namespace fontedit::state {
namespace {

TEST(EditorState, StartsWithTheDesignTexts) {
    EditorState state;
    for (int column = 1; column <= kGlyphColumns; ++column) {
        EXPECT_EQ(state.columnField(column).text(), "0");
        for (int row = 0; row < kGlyphRows; ++row) {
            EXPECT_EQ(state.pixels.colour(column, row), PixelColour::Unlit);
        }
    }
    EXPECT_EQ(state.codeField().text(), "0");
    EXPECT_EQ(state.labelField().text(), "");
    for (int code = 0; code < kCodeCount; ++code) {
        EXPECT_EQ(state.labels.label(code), "");
        for (int column = 0; column < kTableColumns; ++column) {
            EXPECT_EQ(state.font.cell(code, column), "");
        }
    }
    EXPECT_EQ(&state.field(FieldId::Column3), &state.columnField(3));
    EXPECT_EQ(&state.field(FieldId::Code), &state.codeField());
    EXPECT_EQ(&state.field(FieldId::Label), &state.labelField());
}

TEST(EditorState, CurrentCodeIsReadFromTheCodeFieldAtEveryUse) {
    EditorState state;
    const std::pair<const char*, int> cases[] = {
        {"abc", 0}, {"", 0}, {"2.5", 2}, {"3.5", 4}, {"100", 100}, {"&H10", 16}, {"-0.4", 0},
    };
    for (const auto& [text, code] : cases) {
        state.codeField().setText(text);
        EXPECT_EQ(state.currentCode(), code) << text;
    }
}

TEST(EditorState, CodesOutsideTheTableFail) {
    EditorState state;
    for (const char* text : {"-1", "101", "500"}) {
        state.codeField().setText(text);
        support::expectFailure([&] { state.currentCode(); }, Cause::CodeOutOfRange,
                               {.code = std::stoi(text)});
    }
    state.codeField().setText("1e10");
    support::expectFailure([&] { state.currentCode(); }, Cause::Overflow, {});
    support::expectFailure([&] { state.font.cell(101, 1); }, Cause::CodeOutOfRange, {.code = 101});
    support::expectFailure([&] { state.labels.setLabel(-1, "x"); }, Cause::CodeOutOfRange,
                           {.code = -1});
}

TEST(TextField, ChangedTextTellsViewsThenRunsTheChangeAction) {
    TextField field("0");
    std::vector<std::string> events;
    field.addObserver([&](const std::string& text) { events.push_back("view " + text); });
    field.setChangeAction([&] { events.push_back("action " + field.text()); });

    field.setText("1");
    field.setText("1");
    field.setText("");
    EXPECT_EQ(events, (std::vector<std::string>{"view 1", "action 1", "view ", "action "}));
}

TEST(PixelGrid, TellsViewsOfEveryColourWrite) {
    PixelGrid pixels;
    int told = 0;
    pixels.addObserver([&](int column, int row, PixelColour colour) {
        EXPECT_EQ(column, 5);
        EXPECT_EQ(row, 7);
        EXPECT_EQ(colour, PixelColour::Lit);
        ++told;
    });
    pixels.setColour(5, 7, PixelColour::Lit);
    EXPECT_EQ(pixels.colour(5, 7), PixelColour::Lit);
    EXPECT_EQ(told, 1);
}

}  // namespace
}  // namespace fontedit::state
