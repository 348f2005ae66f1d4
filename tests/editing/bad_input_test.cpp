// What the editor does with the code and column texts a user may type by mistake.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editing/editor.h"
#include "state/failure.h"

namespace fontedit::editing {
namespace {

using state::PixelColour;

// The failure number an action ends with, 0 when it runs to its end.
int failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const state::Failure& failure) {
        return failure.number();
    }
    return 0;
}

TEST(BadCodeField, FailsWithItsNumberOrSelectsACode) {
    struct Case {
        const char* code;
        int clickFailure;  // a click on column 1 row 0
        int storedAt;      // where that click is stored when it does not fail
        int nextFailure;   // Next from the same code field
        const char* nextWritten;
    };
    const Case cases[] = {
        {"-1", 9, -1, 0, "0"},      {"101", 9, -1, 9, "101"},
        {"1e10", 6, -1, 6, "1e10"}, {"&HFFFFFFFF", 9, -1, 0, "0"},
        {"abc", 0, 0, 0, "1"},      {"1e400", 6, -1, 6, "1e400"},
        {"100", 0, 100, 0, "100"},  {"&H7FFFFFFF", 9, -1, 9, "&H7FFFFFFF"},
    };
    for (const auto& c : cases) {
        Editor click;
        click.state().codeField().setText(c.code);
        EXPECT_EQ(failureOf([&] { click.togglePixel(1, 0); }), c.clickFailure) << c.code;
        // The colours follow the text before the store fails.
        EXPECT_EQ(click.state().columnField(1).text(), "1") << c.code;
        EXPECT_EQ(click.state().pixels.colour(1, 0), PixelColour::Lit) << c.code;
        for (int code = 0; code < state::kCodeCount; ++code) {
            EXPECT_EQ(click.state().font.cell(code, 1), code == c.storedAt ? "1" : "") << c.code;
        }

        Editor next;
        next.state().codeField().setText(c.code);
        EXPECT_EQ(failureOf([&] { next.next(); }), c.nextFailure) << c.code;
        EXPECT_EQ(next.state().codeField().text(), c.nextWritten) << c.code;
    }
}

TEST(BadColumnText, IsShownByItsValueAndStoredAsTyped) {
    struct Case {
        const char* text;
        int litRows;  // bit k set: row k lit
        const char* afterClickOnRow0;
    };
    const Case cases[] = {
        {"G1", 0, "1"}, {"123456789", 0x89, "23456788"}, {"FFFF", 0xFF, "FFFE"}, {"ＦＦ", 0, "1"},
        {"-1", 0, "1"}, {"7FFFFFFF", 0xFF, "7FFFFFFE"},
    };
    for (const auto& c : cases) {
        Editor editor;
        auto& state = editor.state();
        state.columnField(3).setText(c.text);
        for (int row = 0; row < state::kGlyphRows; ++row) {
            const bool lit = (c.litRows >> row & 1) != 0;
            EXPECT_EQ(state.pixels.colour(3, row), lit ? PixelColour::Lit : PixelColour::Unlit)
                << c.text << " row " << row;
        }
        EXPECT_EQ(state.font.cell(0, 3), c.text);
        editor.togglePixel(3, 0);
        EXPECT_EQ(state.columnField(3).text(), c.afterClickOnRow0) << c.text;
        EXPECT_EQ(state.font.cell(0, 3), c.afterClickOnRow0);
    }
}

}  // namespace
}  // namespace fontedit::editing
