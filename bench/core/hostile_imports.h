#pragma once

// The largest inputs the importers take, built to be slow or greedy, and the largest line of
// text render draws: each worked once in a child process, whose processor time and peak memory
// are printed as "hostile-import-c-seconds fontedit 0.8" and "hostile-import-c-peak-mib
// fontedit 120".
namespace fontedit::bench {

void reportHostileImports();

}  // namespace fontedit::bench
