#pragma once

// Every core benchmark runs one warm-up repetition, which the reporter drops, then kRuns.
#include <benchmark/benchmark.h>

namespace fontedit::bench {

inline constexpr int kRuns = 20;

void asRuns(benchmark::internal::Benchmark* benchmark);

}  // namespace fontedit::bench
