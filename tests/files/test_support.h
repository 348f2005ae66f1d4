#pragma once

// What the file tests share: a directory of their own and a check of a failure's cause and
// subject.
#include <filesystem>
#include <functional>
#include <string>

#include "state/failure.h"
#include "support/scratch_directory.h"

namespace fontedit::files {

using support::readBytes;
using support::ScratchDirectory;
using support::writeBytes;

void expectFailure(const std::function<void()>& action, state::Cause cause,
                   const std::string& subject);

}  // namespace fontedit::files
