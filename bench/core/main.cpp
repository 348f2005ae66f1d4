// The editor's core without a window, under Google Benchmark, and the heap of a full undo
// history; the samples go to standard output in the table printer's form.
#include <benchmark/benchmark.h>

#include "bench/core/runs.h"
#include "bench/core/sample_reporter.h"
#include "bench/core/undo_memory.h"
#ifdef FONTEDIT_BENCH_IMPORTS
#include "bench/core/export_sizes.h"
#include "bench/core/hostile_imports.h"
#include "bench/core/misaki_exports.h"
#include "bench/core/unifont_convert.h"
#include "bench/core/unifont_document.h"
#endif

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    fontedit::bench::SampleReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    fontedit::bench::reportUndoMemory(fontedit::bench::kRuns);
#ifdef FONTEDIT_BENCH_IMPORTS
    fontedit::bench::reportExportSizes();
    fontedit::bench::reportHostileImports();
    fontedit::bench::reportUnifontConvert();
    fontedit::bench::reportUnifontDocument();
    fontedit::bench::reportMisakiExports();
#endif
    benchmark::Shutdown();
    return 0;
}
