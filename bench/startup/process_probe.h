#pragma once

// Starting a program under test, waiting for it to settle, reading its peak memory, ending it.
#include <sys/types.h>

#include <string>
#include <vector>

namespace fontedit::bench {

// Starts `path` with `arguments`, its output discarded; throws std::runtime_error on failure.
pid_t startProgram(const std::string& path, const std::vector<std::string>& arguments = {});

// The processor time the process has used so far, user and system, in clock ticks.
long processorTicks(pid_t pid);

// The high-water mark of the resident set (VmHWM) in KiB.
long peakResidentKiB(pid_t pid);

void stopProgram(pid_t pid);

}  // namespace fontedit::bench
