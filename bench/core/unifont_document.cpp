#include "bench/core/unifont_document.h"

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "document/bitmap_document.h"
#include "support/scratch_directory.h"

namespace fontedit::bench {
namespace {

constexpr const char* kUnifont = "/usr/share/fonts/X11/misc/unifont.pcf.gz";
constexpr int kRuns = 5;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

void reportUnifontDocument() {
    if (!std::filesystem::exists(kUnifont)) return;
    const support::ScratchDirectory dir;
    const std::filesystem::path file = dir / "unifont.bdf";
    const std::string command = std::string("zcat ") + kUnifont + " | pcf2bdf -o " + file.string();
    if (std::system(command.c_str()) != 0) return;
    const double fileMib = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
    for (int run = 0; run < kRuns; ++run) {
        const std::size_t heapBefore = mallinfo2().uordblks;
        auto document = std::make_unique<document::BitmapDocument>();
        auto start = std::chrono::steady_clock::now();
        document->open(file);
        std::printf("unifont-open fontedit %.3f\n", secondsSince(start));
        const double heapMib = static_cast<double>(mallinfo2().uordblks - heapBefore) / (1 << 20);
        std::printf("unifont-heap-per-file fontedit %.2f\n", heapMib / fileMib);
        start = std::chrono::steady_clock::now();
        document->editor().goTo(U'あ');
        document->editor().toggleDot(run, run);
        document->save();
        std::printf("unifont-save-dot fontedit %.3f\n", secondsSince(start));
    }
    std::fflush(stdout);
}

}  // namespace fontedit::bench
