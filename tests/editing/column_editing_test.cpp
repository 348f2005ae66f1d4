#include "editing/column_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/editor.h"
#include "state/failure.h"

namespace fontedit::editing {
namespace {

using state::PixelColour;

std::string litRows(const state::EditorState& state, int column) {
    std::string rows;
    for (int row = 0; row < state::kGlyphRows; ++row) {
        rows += state.pixels.colour(column, row) == PixelColour::Lit ? '#' : '.';
    }
    return rows;
}

TEST(PixelToggle, FollowsTheRoadOfOneClick) {
    Editor editor;
    auto& state = editor.state();
    state.columnField(3).setText("10");
    std::vector<std::string> events;
    state.columnField(3).addObserver([&](const std::string& text) { events.push_back(text); });
    state.pixels.addObserver([&](int column, int row, PixelColour colour) {
        if (column == 3 && row == 5) {
            events.push_back("cell " + state.font.cell(0, 3) +
                             (colour == PixelColour::Lit ? " lit" : " unlit"));
        }
    });

    editor.togglePixel(3, 5);

    EXPECT_EQ(state.columnField(3).text(), "30");
    EXPECT_EQ(litRows(state, 3), "....##..");
    EXPECT_EQ(state.font.cell(0, 3), "30");
    // The field is written first, its change refreshes the column, and the toggle then
    // refreshes it once more: row 5 is coloured twice, the cell stored in between.
    EXPECT_EQ(events, (std::vector<std::string>{"30", "cell 10 lit", "cell 30 lit"}));
}

TEST(PixelToggle, FlipsOneBitOfTheTextOnShow) {
    struct Case {
        const char* before;
        int row;
        const char* after;
    };
    const Case cases[] = {
        {"7f", 0, "7E"},   {"7E", 7, "FE"},         {"", 3, "8"},
        {"1FF", 0, "1FE"}, {"FFFF", 0, "FFFE"},     {"8000", 0, "8001"},
        {"G1", 2, "4"},    {"FFFFFFFF", 7, "FF7F"}, {"1", 0, "0"},
    };
    for (const auto& c : cases) {
        Editor editor;
        editor.state().columnField(2).setText(c.before);
        editor.togglePixel(2, c.row);
        EXPECT_EQ(editor.state().columnField(2).text(), c.after) << c.before << " row " << c.row;
        EXPECT_EQ(editor.state().font.cell(0, 2), c.after);
    }
}

TEST(PixelToggle, AtStartStoresOnlyTheClickedColumn) {
    Editor editor;
    editor.togglePixel(2, 0);
    const auto& state = editor.state();
    EXPECT_EQ(state.columnField(2).text(), "1");
    EXPECT_EQ(state.font.cell(0, 2), "1");
    for (int column : {1, 3, 4, 5}) {
        EXPECT_EQ(state.columnField(column).text(), "0");
        EXPECT_EQ(state.font.cell(0, column), "");
        EXPECT_EQ(litRows(state, column), "........");
    }
}

TEST(PixelToggle, StoresUnderARetypedCodeFromTheTextStillOnShow) {
    Editor editor;
    auto& state = editor.state();
    state.columnField(1).setText("3");
    state.codeField().setText("5");
    editor.togglePixel(1, 0);
    EXPECT_EQ(state.font.cell(5, 1), "2");
    EXPECT_EQ(state.font.cell(0, 1), "3");
}

TEST(ColumnRefresh, TypedTextColoursTheRowsAndIsStoredVerbatim) {
    const std::pair<const char*, const char*> cases[] = {
        {"7f", "#######."},  {"G1", "........"},   {"", "........"},
        {"1FF", "########"}, {"FFFF", "########"}, {"80", ".......#"},
    };
    for (const auto& [text, rows] : cases) {
        Editor editor;
        editor.state().columnField(4).setText(text);
        EXPECT_EQ(litRows(editor.state(), 4), rows) << text;
        EXPECT_EQ(editor.state().font.cell(0, 4), text);
    }
}

TEST(ColumnRefresh, EachKeystrokeIsStored) {
    Editor editor;
    auto& state = editor.state();
    std::vector<std::string> stored;
    state.pixels.addObserver([&](int, int row, PixelColour) {
        if (row == 0) stored.push_back(state.font.cell(0, 1));
    });
    state.columnField(1).setText("7");
    state.columnField(1).setText("7F");
    EXPECT_EQ(state.font.cell(0, 1), "7F");
    EXPECT_EQ(stored, (std::vector<std::string>{"", "7"}));
}

TEST(ColumnRefresh, AnInvalidCodeColoursButStoresNothing) {
    Editor editor;
    auto& state = editor.state();
    state.codeField().setText("-1");
    EXPECT_THROW(state.columnField(1).setText("FF"), state::Failure);
    EXPECT_EQ(litRows(state, 1), "########");
    EXPECT_EQ(state.columnField(1).text(), "FF");
    for (int code = 0; code < state::kCodeCount; ++code) EXPECT_EQ(state.font.cell(code, 1), "");
}

TEST(LabelStore, StoresEachChangeUnderTheCurrentCode) {
    Editor editor;
    auto& state = editor.state();
    state.codeField().setText("100");
    state.labelField().setText("あ");
    EXPECT_EQ(state.labels.label(100), "あ");
    state.codeField().setText("101");
    EXPECT_THROW(state.labelField().setText("い"), state::Failure);
    EXPECT_EQ(state.labels.label(100), "あ");
}

}  // namespace
}  // namespace fontedit::editing
