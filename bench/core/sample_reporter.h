#pragma once

// Prints each repetition of a benchmark as a sample line, "NAME fontedit MICROSECONDS", for
// the table printer; the first repetition of each is the warm-up and is left out.
#include <benchmark/benchmark.h>

namespace fontedit::bench {

class SampleReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
};

}  // namespace fontedit::bench
