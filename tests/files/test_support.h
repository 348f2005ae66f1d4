#pragma once

// What the file tests share: a directory of their own and a check of a failure's cause and
// facts.
#include <filesystem>
#include <functional>
#include <string>

#include "state/failure.h"
#include "support/scratch_directory.h"

namespace fontedit::files {

using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

// Checks the cause and the facts that `expected` names: the file by its name alone, the line,
// code and column.
void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const state::Facts& expected);

}  // namespace fontedit::files
