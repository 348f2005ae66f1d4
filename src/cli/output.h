#pragma once

// Where a command writes what it made: a file, replaced atomically, or "-" for standard output.
#include <string>
#include <string_view>

namespace fontedit::cli {

// A device or a FIFO named as the target is written into, as the shell writes into it.
void writeOutput(const std::string& target, std::string_view bytes);

// Flushes standard output and tells whether all that was printed reached it; if not, says
// so on standard error, so that output lost on a full disk or a closed pipe is not success.
bool standardOutputWritten();

}  // namespace fontedit::cli
