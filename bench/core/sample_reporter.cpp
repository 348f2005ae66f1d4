#include "bench/core/sample_reporter.h"

#include <cstdio>

#include "bench/core/runs.h"

namespace fontedit::bench {

void asRuns(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(kRuns + 1)->MinTime(0.1)->Unit(benchmark::kMicrosecond);
}

bool SampleReporter::ReportContext(const Context&) {
    return true;
}

void SampleReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.repetition_index == 0) continue;
        if (run.error_occurred) {
            std::fprintf(stderr, "%s: %s\n", run.run_name.function_name.c_str(),
                         run.error_message.c_str());
            continue;
        }
        const double microseconds = run.real_accumulated_time * 1e6 / run.iterations;
        std::printf("%s fontedit %.4f\n", run.run_name.function_name.c_str(), microseconds);
    }
    std::fflush(stdout);
}

}  // namespace fontedit::bench
