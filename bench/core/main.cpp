// The editor's core without a window, under Google Benchmark; the samples go to standard output
// in the table printer's form.
#include <benchmark/benchmark.h>

#include "bench/core/sample_reporter.h"

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    fontedit::bench::SampleReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
