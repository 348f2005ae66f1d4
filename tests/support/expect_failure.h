#pragma once

// The one way a test asserts a failure: its cause and its facts.
#include <functional>

#include "state/failure.h"

namespace fontedit::support {

// Checks the cause and the facts that `expected` names: the file by its name alone, the line,
// code and column, and the value where `expected` names one.
void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const state::Facts& expected);

}  // namespace fontedit::support
