#include "test_support.h"

#include <gtest/gtest.h>

namespace fontedit::files {

void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const std::string& subject) {
    try {
        action();
        ADD_FAILURE() << "no failure; expected one on " << subject;
    } catch (const state::Failure& failure) {
        EXPECT_EQ(failure.cause(), cause) << failure.what();
        EXPECT_EQ(failure.subject(), subject);
    }
}

}  // namespace fontedit::files
