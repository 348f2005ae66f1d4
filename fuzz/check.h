#pragma once

// Stops the fuzzer with a readable message when a property of the program does not hold, so
// that libFuzzer keeps the input that broke it.
#include <string_view>

namespace fontedit::fuzz {

void require(bool holds, std::string_view property);

}  // namespace fontedit::fuzz
