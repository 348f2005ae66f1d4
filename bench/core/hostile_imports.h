#pragma once

// The largest inputs the importers take, built to be slow or greedy: each imported once in a
// child process, whose time and peak memory are printed as "hostile-import-c-seconds fontedit
// 0.8" and "hostile-import-c-peak-mib fontedit 120".
namespace fontedit::bench {

void reportHostileImports();

}  // namespace fontedit::bench
