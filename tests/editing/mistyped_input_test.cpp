// What the editor does with the code and column texts a user may type by mistake.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "editing/editor.h"
#include "state/failure.h"
#include "support/expect_failure.h"

namespace fontedit::editing {
namespace {

using state::Cause;
using state::PixelColour;

// Runs `action`, which ends with `failure` where there is one; a code out of range names
// `code`.
void runFailing(const std::function<void()>& action, std::optional<Cause> failure, int code) {
    if (!failure) return action();
    const bool outOfRange = *failure == Cause::CodeOutOfRange;
    support::expectFailure(action, *failure,
                           {.code = outOfRange ? std::optional<int>(code) : std::nullopt});
}

TEST(BadCodeField, FailsWithItsNumberOrSelectsACode) {
    struct Case {
        const char* code;
        std::optional<Cause> clickFailure;  // a click on column 1 row 0
        int storedAt;                       // where that click is stored when it does not fail
        std::optional<Cause> nextFailure;   // Next from the same code field
        const char* nextWritten;
        int readCode;  // the code a failure out of range names
    };
    constexpr auto kRange = Cause::CodeOutOfRange;
    constexpr auto kOverflow = Cause::Overflow;
    const Case cases[] = {
        {"-1", kRange, -1, {}, "0", -1},
        {"101", kRange, -1, kRange, "101", 101},
        {"1e10", kOverflow, -1, kOverflow, "1e10", 0},
        {"&HFFFFFFFF", kRange, -1, {}, "0", -1},
        {"abc", {}, 0, {}, "1", 0},
        {"1e400", kOverflow, -1, kOverflow, "1e400", 0},
        {"100", {}, 100, {}, "100", 0},
        {"&H7FFFFFFF", kRange, -1, kRange, "&H7FFFFFFF", 0x7FFFFFFF},
    };
    for (const auto& c : cases) {
        Editor click;
        click.state().codeField().setText(c.code);
        SCOPED_TRACE(c.code);
        runFailing([&] { click.togglePixel(1, 0); }, c.clickFailure, c.readCode);
        // The colours follow the text before the store fails.
        EXPECT_EQ(click.state().columnField(1).text(), "1") << c.code;
        EXPECT_EQ(click.state().pixels.colour(1, 0), PixelColour::Lit) << c.code;
        for (int code = 0; code < state::kCodeCount; ++code) {
            EXPECT_EQ(click.state().font.cell(code, 1), code == c.storedAt ? "1" : "") << c.code;
        }

        Editor next;
        next.state().codeField().setText(c.code);
        runFailing([&] { next.next(); }, c.nextFailure, c.readCode);
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
