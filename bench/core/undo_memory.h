#pragma once

// The heap that a full undo history takes, measured outside Google Benchmark, which times only.
namespace fontedit::bench {

// Prints "undo-memory fontedit MIB" once a run: the heap that 10,000 steps of everyday editing
// add to an editor holding a full font.
void reportUndoMemory(int runs);

}  // namespace fontedit::bench
