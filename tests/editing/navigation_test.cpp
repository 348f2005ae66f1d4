#include "editing/navigation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/editor.h"
#include "filled_font.h"
#include "state/conversions.h"
#include "state/failure.h"

namespace fontedit::editing {
namespace {

using state::PixelColour;

TEST(Navigation, StepsThroughCodesAndShowsEachGlyph) {
    struct Case {
        const char* code;
        bool forward;
        const char* written;
        int shown;
    };
    const Case cases[] = {
        {"0", false, "0", 0},      {"95", true, "95", 95},     {"10", true, "11", 11},
        {"10", false, "9", 9},     {"abc", false, "abc", 0},   {"abc", true, "1", 1},
        {"2.5", true, "3.5", 4},   {"94.5", true, "95.5", 96}, {"101", false, "100", 100},
        {"0.5", false, "-0.5", 0}, {"&H10", true, "17", 17},
    };
    for (const auto& c : cases) {
        Editor editor;
        auto& state = editor.state();
        fillFont(state);
        state.codeField().setText(c.code);
        c.forward ? editor.next() : editor.previous();
        EXPECT_EQ(state.codeField().text(), c.written) << c.code;
        expectShowing(state, c.shown);
    }
}

TEST(Navigation, FailsAfterRewritingTheCodeWhenItIsOutOfRange) {
    const std::pair<const char*, const char*> cases[] = {{"200", "200"}, {"-3", "-2"}};
    for (const auto& [code, written] : cases) {
        Editor editor;
        editor.state().codeField().setText(code);
        EXPECT_THROW(editor.next(), state::Failure) << code;
        EXPECT_EQ(editor.state().codeField().text(), written);
        EXPECT_EQ(editor.state().columnField(1).text(), "0");
    }
}

TEST(ShowGlyph, NeverChangesTheTables) {
    Editor editor;
    auto& state = editor.state();
    fillFont(state);
    state.font.setCell(7, 2, "7f");
    state.codeField().setText("7");
    editor.showGlyph();
    EXPECT_EQ(state.columnField(2).text(), "7f");
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            EXPECT_EQ(state.font.cell(code, column),
                      code == 7 && column == 2 ? "7f" : state::hexText(code + column));
        }
        EXPECT_EQ(state.labels.label(code), "L" + std::to_string(code));
    }
}

TEST(ShowGlyph, EmptyCellsShowEmptyFieldsAndUnlitPixels) {
    Editor editor;
    auto& state = editor.state();
    state.columnField(1).setText("FF");
    state.codeField().setText("1");
    editor.showGlyph();
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        EXPECT_EQ(state.columnField(column).text(), "");
        for (int row = 0; row < state::kGlyphRows; ++row) {
            EXPECT_EQ(state.pixels.colour(column, row), PixelColour::Unlit);
        }
    }
    EXPECT_EQ(state.font.cell(0, 1), "FF");
}

TEST(ShowGlyph, RefreshesEveryColumnEvenWhenNoTextChanges) {
    Editor editor;
    auto& state = editor.state();
    for (int code : {0, 1}) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            state.font.setCell(code, column, "0");
        }
    }
    // Stale colours, as after an earlier failure: only a direct refresh repaints them.
    state.pixels.setColour(3, 0, PixelColour::Lit);
    int refreshed = 0;
    state.pixels.addObserver([&](int, int, PixelColour) { ++refreshed; });
    editor.next();
    EXPECT_EQ(refreshed, state::kGlyphColumns * state::kGlyphRows);
    EXPECT_EQ(state.pixels.colour(3, 0), PixelColour::Unlit);
}

TEST(ShowGlyph, ReadsTheCodeAfreshForEveryColumn) {
    // A view that retypes the code field while column 2 is written shows that the code is
    // evaluated per column, not once for the whole glyph.
    Editor editor;
    auto& state = editor.state();
    fillFont(state);
    state.codeField().setText("3");
    state.columnField(2).addObserver([&](const std::string&) { state.codeField().setText("4"); });
    editor.showGlyph();
    EXPECT_EQ(state.columnField(1).text(), state::hexText(3 + 1));
    EXPECT_EQ(state.columnField(3).text(), state::hexText(4 + 3));
    EXPECT_EQ(state.labelField().text(), "L4");
}

}  // namespace
}  // namespace fontedit::editing
