// Reads the samples of every measuring program ("FIGURE PROGRAM VALUE" a line) on standard
// input and prints one Markdown table: median and min-max per program, the editor's ratio to
// the baseline (or to another figure of the editor's, where the target names one), a latency
// in full repaints of the window, and whether each target is met.
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/common/summary.h"
#include "bench/table/figures.h"

namespace {

using fontedit::bench::Figure;
using fontedit::bench::Summary;
using fontedit::bench::TargetKind;

constexpr const char* kEditor = "fontedit";
constexpr const char* kBaseline = "baseline";

using Samples = std::map<std::pair<std::string, std::string>, std::vector<double>>;

Samples readSamples(std::istream& in) {
    Samples samples;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string figure, program;
        double value = 0;
        if (fields >> figure >> program >> value) samples[{figure, program}].push_back(value);
    }
    return samples;
}

std::string number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A limit as written in the target: 0.5, 16, 20000.
std::string limitText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string cell(const Summary& summary, int decimals) {
    if (summary.count == 0) return "—";
    return number(summary.median, decimals) + " (" + number(summary.min, decimals) + "–" +
           number(summary.max, decimals) + ")";
}

std::string targetText(const Figure& figure) {
    switch (figure.target) {
        case TargetKind::RatioAtMost:
            return "≤ " + number(figure.limit, 2) + " × baseline";
        case TargetKind::RatioToFigureAtMost:
            return "≤ " + number(figure.limit, 2) + " × " + figure.reference;
        case TargetKind::AtMost:
            return "≤ " + limitText(figure.limit) + " " + figure.unit;
        case TargetKind::None:
            break;
    }
    return "";
}

}  // namespace

int main() {
    const Samples samples = readSamples(std::cin);
    std::printf(
        "| Figure | Unit | fontedit median (min–max) | baseline median (min–max) | "
        "Ratio | Full repaints | Runs | Target | Met |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    const auto find = [&](const std::string& key, const char* program) {
        const auto found = samples.find({key, program});
        return found == samples.end() ? Summary{} : fontedit::bench::summarise(found->second);
    };
    const Summary fullRepaint = find(fontedit::bench::kFullRepaint, kEditor);
    for (const Figure& figure : fontedit::bench::figures()) {
        const std::string program = figure.program.empty() ? kEditor : figure.program;
        const Summary editor = find(figure.key, program.c_str());
        // A row of another program stands beside the editor's own start, not the baseline's.
        const Summary baseline = find(figure.key, figure.program.empty() ? kBaseline : kEditor);
        // The baseline's median, or that of the figure the target names.
        const Summary yardstick = figure.target == TargetKind::RatioToFigureAtMost
                                      ? find(figure.reference, kEditor)
                                      : baseline;
        std::string ratio, repaints, met;
        if (editor.count > 0 && yardstick.count > 0) {
            ratio = number(editor.median / yardstick.median, 3);
        }
        if (figure.inRepaints && editor.count > 0 && fullRepaint.count > 0) {
            repaints = number(editor.median / fullRepaint.median, 2);
        }
        if (editor.count == 0) {
            met = figure.target == TargetKind::None ? "" : "not measured";
        } else if (figure.target == TargetKind::AtMost) {
            met = editor.median <= figure.limit ? "yes" : "**no**";
        } else if (figure.target != TargetKind::None && !ratio.empty()) {
            met = editor.median / yardstick.median <= figure.limit ? "yes" : "**no**";
        }
        std::printf("| %s | %s | %s | %s | %s | %s | %d | %s | %s |\n", figure.title.c_str(),
                    figure.unit.c_str(), cell(editor, figure.decimals).c_str(),
                    cell(baseline, figure.decimals).c_str(), ratio.c_str(), repaints.c_str(),
                    editor.count, targetText(figure).c_str(), met.c_str());
    }
    return 0;
}
