#include "bench/common/summary.h"

#include <algorithm>

namespace fontedit::bench {

Summary summarise(std::vector<double> samples) {
    if (samples.empty()) return {};
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    const double median =
        samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    return {static_cast<int>(samples.size()), median, samples.front(), samples.back()};
}

}  // namespace fontedit::bench
