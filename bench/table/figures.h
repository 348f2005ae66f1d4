#pragma once

// The figures of the benchmark table, in the order they are printed, with their targets.
#include <span>
#include <string>

namespace fontedit::bench {

enum class TargetKind {
    None,                 // shown for insight only
    RatioAtMost,          // editor's median / baseline's median
    AtMost,               // editor's median, in the figure's unit
    RatioToFigureAtMost,  // editor's median / the editor's median of the figure `reference`
};

struct Figure {
    std::string key;  // as the measuring programs print it
    std::string title;
    std::string unit;
    int decimals;
    TargetKind target;
    double limit;
    std::string reference = {};
    // A latency also shown in full repaints of the window measured in the same runs.
    bool inRepaints = false;
    // The program whose samples the row shows, when not the editor started on its folder.
    std::string program = {};
};

inline constexpr const char* kFullRepaint = "full-repaint";

std::span<const Figure> figures();

}  // namespace fontedit::bench
