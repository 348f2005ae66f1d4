// Start-up time and peak memory of programs that show one window, taken in turns (A B A B ...)
// so that a drift in the machine's load touches every program alike.
//
//   fontedit-startup RUNS WARM-UPS NAME=PROGRAM[,ARGUMENT]...
//
// Prints one sample a line: "startup NAME ms" from the spawn to the map of the window,
// "first-paint NAME ms" to the paint after which the window looks as it stays, and
// "peak-rss NAME MiB", the resident high-water mark once the program has painted and is idle.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "bench/startup/process_probe.h"
#include "bench/startup/window_watch.h"

namespace {

using fontedit::bench::WindowWatch;

struct Program {
    std::string name;
    std::string path;
    std::vector<std::string> arguments;
};

struct Sample {
    double mappedMs;
    std::optional<double> paintedMs;
    double peakMiB;
};

// Records the window's paints until the program has used no processor time for a while.
void settle(WindowWatch& watch, pid_t pid) {
    using namespace std::chrono_literals;
    constexpr auto kStep = 10ms, kQuiet = 100ms, kLongest = 5000ms;
    long ticks = fontedit::bench::processorTicks(pid);
    for (auto still = 0ms, spent = 0ms; still < kQuiet && spent < kLongest; spent += kStep) {
        watch.recordPaints(kStep);
        const long now = fontedit::bench::processorTicks(pid);
        still = now == ticks ? still + kStep : 0ms;
        ticks = now;
    }
}

Sample measure(WindowWatch& watch, const Program& program) {
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const auto start = WindowWatch::Clock::now();
    const pid_t pid = fontedit::bench::startProgram(program.path, program.arguments);
    const auto mapped = watch.waitForMap(std::chrono::seconds(20));
    if (!mapped) {
        fontedit::bench::stopProgram(pid);
        throw std::runtime_error(program.name + ": no window was mapped");
    }
    settle(watch, pid);
    const auto painted = watch.firstCompletePaint();
    const long peakKiB = fontedit::bench::peakResidentKiB(pid);
    watch.release();
    fontedit::bench::stopProgram(pid);
    Sample sample{Milliseconds(*mapped - start).count(), std::nullopt, peakKiB / 1024.0};
    if (painted) sample.paintedMs = Milliseconds(*painted - start).count();
    return sample;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS WARM-UPS NAME=PROGRAM[,ARGUMENT]...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmUps = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "%s: expected NAME=PROGRAM[,ARGUMENT], got %s\n", argv[0],
                         argv[i]);
            return 2;
        }
        Program program{argument.substr(0, equals), argument.substr(equals + 1), {}};
        if (const auto comma = program.path.find(','); comma != std::string::npos) {
            program.arguments.push_back(program.path.substr(comma + 1));
            program.path.erase(comma);
        }
        programs.push_back(std::move(program));
    }
    try {
        WindowWatch watch;
        for (int round = 0; round < warmUps + runs; ++round) {
            for (const Program& program : programs) {
                const Sample sample = measure(watch, program);
                if (round < warmUps) continue;
                std::printf("startup %s %.3f\n", program.name.c_str(), sample.mappedMs);
                if (sample.paintedMs) {
                    std::printf("first-paint %s %.3f\n", program.name.c_str(), *sample.paintedMs);
                } else {
                    std::fprintf(stderr, "%s: %s: no paint showed the final window\n", argv[0],
                                 program.name.c_str());
                }
                std::printf("peak-rss %s %.3f\n", program.name.c_str(), sample.peakMiB);
            }
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure.what());
        return 1;
    }
    return 0;
}
