#pragma once

// The figures of the benchmark table, in the order they are printed, with their targets.
#include <span>
#include <string>

namespace fontedit::bench {

enum class TargetKind {
    None,         // shown for insight only
    RatioAtMost,  // editor's median / baseline's median
    AtMost,       // editor's median, in the figure's unit
};

struct Figure {
    std::string key;  // as the measuring programs print it
    std::string title;
    std::string unit;
    int decimals;
    TargetKind target;
    double limit;
};

std::span<const Figure> figures();

}  // namespace fontedit::bench
