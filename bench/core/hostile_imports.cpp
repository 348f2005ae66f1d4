#include "bench/core/hostile_imports.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "formats/font_import.h"
#include "state/failure.h"

namespace fontedit::bench {
namespace {

std::string filled(std::string head, std::string_view unit, std::string_view tail) {
    while (head.size() + unit.size() + tail.size() <= formats::kMostImportBytes) head += unit;
    return head += tail;
}

// A token a byte, each "[" left open: the most tokens, and a scan for a closing bracket from
// each of them.
std::string hostileC() {
    return filled("", "a[,", "");
}

// Glyphs outside the range read and skipped, then one inside it.
std::string hugeBdf() {
    const std::string glyph = "STARTCHAR x\nENCODING 1000\nBBX 5 8 0 -1\nBITMAP\n" +
                              std::string("F8\n70\n20\n00\n00\n20\n70\nF8\n") + "ENDCHAR\n";
    return filled("STARTFONT 2.1\nFONT_ASCENT 7\nFONT_DESCENT 1\nCHARS 1\n", glyph,
                  "STARTCHAR A\nENCODING 65\nBBX 5 1 0 0\nBITMAP\nF8\nENDCHAR\nENDFONT\n");
}

void report(const char* name, const std::string& bytes, formats::ImportFormat format) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        try {
            format == formats::ImportFormat::C ? formats::importCTable(bytes, {})
                                               : formats::importBdf(bytes, {});
        } catch (const state::Failure&) {
        }
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("hostile-import-%s-seconds fontedit %.3f\n", name, seconds.count());
    std::printf("hostile-import-%s-peak-mib fontedit %.1f\n", name, usage.ru_maxrss / 1024.0);
}

}  // namespace

void reportHostileImports() {
    report("c", hostileC(), formats::ImportFormat::C);
    report("bdf", hugeBdf(), formats::ImportFormat::Bdf);
    std::fflush(stdout);
}

}  // namespace fontedit::bench
