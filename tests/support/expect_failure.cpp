#include "support/expect_failure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fontedit::support {

void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const state::Facts& expected) {
    const std::string where = expected.file + ':' + std::to_string(expected.line) + " code " +
                              std::to_string(expected.code.value_or(-1)) + " column " +
                              std::to_string(expected.column.value_or(-1));
    try {
        action();
        ADD_FAILURE() << "no failure; expected one at " << where;
    } catch (const state::Failure& failure) {
        const state::Facts& facts = failure.facts();
        EXPECT_EQ(failure.cause(), cause) << where;
        EXPECT_EQ(std::filesystem::path(facts.file).filename(), expected.file) << where;
        EXPECT_EQ(facts.line, expected.line) << where;
        EXPECT_EQ(facts.code, expected.code) << where;
        EXPECT_EQ(facts.column, expected.column) << where;
        if (!expected.value.empty()) {
            EXPECT_EQ(facts.value, expected.value) << where;
        }
    }
}

}  // namespace fontedit::support
