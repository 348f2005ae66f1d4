#pragma once

// Where a command writes what it made: a file, replaced atomically, or "-" for standard output.
#include <string>
#include <string_view>

namespace fontedit::cli {

void writeOutput(const std::string& target, std::string_view bytes);

}  // namespace fontedit::cli
