#include "bench/core/unifont_convert.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "formats/common/bitmap_readers.h"
#include "formats/font_import.h"
#include "formats/registry.h"
#include "state/character_list.h"
#include "support/scratch_directory.h"

namespace fontedit::bench {
namespace {

constexpr const char* kUnifont = "/usr/share/fonts/X11/misc/unifont.pcf.gz";
constexpr int kCommandRuns = 5;

struct Run {
    double seconds = 0;
    double peakMib = 0;
};

Run timed(const char* program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(program, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
    }
    return {seconds.count(), usage.ru_maxrss / 1024.0};
}

}  // namespace

void reportUnifontConvert() {
    if (!std::filesystem::exists(kUnifont)) return;
    const support::ScratchDirectory dir;
    const std::string ours = (dir / "ours.bdf").string(), theirs = (dir / "theirs.bdf").string();
    for (int run = 0; run < kCommandRuns; ++run) {
        const Run convert = timed(FONTEDIT_CLI, {"convert", kUnifont, "-o", ours});
        const Run pcf2bdf =
            timed("/bin/sh", {"-c", std::string("zcat ") + kUnifont + " | pcf2bdf -o " + theirs});
        std::printf("convert-unifont-bdf fontedit %.3f\n", convert.seconds);
        std::printf("convert-unifont-bdf baseline %.3f\n", pcf2bdf.seconds);
        std::printf("convert-unifont-bdf-peak-mib fontedit %.1f\n", convert.peakMib);
    }
    const state::BitmapFont font = formats::readPcf(formats::gunzip(support::readBytes(kUnifont)));
    // A console font holds 512 glyphs at most: Unifont's first 512 characters from the space.
    const state::BitmapFont console =
        state::withCharacters(font, state::parseCharacterList("0x20-0x21F", {}));
    // The formats that hold a font of Unifont's size and characters.
    for (const std::string word : {"bdf", "psf", "png", "bin"}) {
        const formats::FormatInfo& writer = *formats::formatNamed(word);
        const state::BitmapFont& written = word == "psf" ? console : font;
        for (int run = 0; run < kCommandRuns; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const std::string bytes = writer.writeBitmap(written, {.name = "unifont"});
            const std::chrono::duration<double, std::milli> ms =
                std::chrono::steady_clock::now() - start;
            std::printf("convert-unifont-write-%s fontedit %.1f\n", word.c_str(), ms.count());
        }
    }
    std::fflush(stdout);
}

}  // namespace fontedit::bench
