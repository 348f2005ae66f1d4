#pragma once

// The bytes operator new has handed out so far in this process: the work a run does in
// memory, such as the zeros an import fills in, whether or not it is freed again.
#include <cstddef>

namespace fontedit::fuzz {

std::size_t allocatedBytes();

}  // namespace fontedit::fuzz
