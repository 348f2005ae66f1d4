#pragma once

// The median and the spread of one figure's samples.
#include <vector>

namespace fontedit::bench {

struct Summary {
    int count = 0;
    double median = 0;
    double min = 0;
    double max = 0;
};

Summary summarise(std::vector<double> samples);

}  // namespace fontedit::bench
