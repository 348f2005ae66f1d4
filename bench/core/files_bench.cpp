// Save, Read, Export and import of a fully drawn font. On tmpfs the flush before each rename costs
// nothing, which leaves the program's own work; the disk run shows what the flush adds.
#include <filesystem>
#include <string>

#include "bench/core/full_font.h"
#include "bench/core/runs.h"
#include "files/font_files.h"
#include "files/font_import.h"
#include "files/header_export.h"
#include "support/scratch_directory.h"

namespace fontedit::bench {

namespace {

enum class Step { Save, Read, Export, All };

const std::filesystem::path kMemoryDir = "/dev/shm";

void fileStep(benchmark::State& run, Step step, const std::filesystem::path& parent) {
    editing::Editor editor;
    drawFullFont(editor);
    const support::ScratchDirectory dir(parent);
    files::saveFont(editor.state(), dir.path());
    for (auto _ : run) {
        if (step == Step::Save || step == Step::All) files::saveFont(editor.state(), dir.path());
        if (step == Step::Read || step == Step::All) files::readFont(editor, dir.path());
        if (step == Step::Export || step == Step::All) {
            files::exportHeader(editor.state(), dir.path());
        }
    }
}

BENCHMARK_CAPTURE(fileStep, save, Step::Save, kMemoryDir)->Name("core-save")->Apply(asRuns);
BENCHMARK_CAPTURE(fileStep, read, Step::Read, kMemoryDir)->Name("core-read")->Apply(asRuns);
BENCHMARK_CAPTURE(fileStep, export, Step::Export, kMemoryDir)->Name("core-export")->Apply(asRuns);
BENCHMARK_CAPTURE(fileStep, all, Step::All, kMemoryDir)->Name("core-all")->Apply(asRuns);
// bench/run starts the benchmarks in a directory of the build tree, which lies on disk.
BENCHMARK_CAPTURE(fileStep, disk, Step::All, std::filesystem::current_path())
    ->Name("core-all-disk")
    ->Apply(asRuns);

// The font as a BDF font of 5x8 glyphs with a one-dot descent, one bitmap row per dot row.
std::string bdfBytes(const files::FontData& data) {
    std::string bdf =
        "STARTFONT 2.1\nFONT bench\nSIZE 8 75 75\nFONTBOUNDINGBOX 5 8 0 -1\n"
        "STARTPROPERTIES 2\nFONT_ASCENT 7\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 96\n";
    for (int code = 0; code < state::kSavedCodes; ++code) {
        bdf += "STARTCHAR c" + std::to_string(code) + "\nENCODING " + std::to_string(32 + code) +
               "\nSWIDTH 600 0\nDWIDTH 6 0\nBBX 5 8 0 -1\nBITMAP\n";
        for (int row = 0; row < state::kGlyphRows; ++row) {
            unsigned bits = 0;
            for (int column = 0; column < state::kGlyphColumns; ++column) {
                const unsigned long byte = std::stoul(data.cells[code][column], nullptr, 16);
                if (byte >> row & 1) bits |= 0x80u >> column;
            }
            static const char kHex[] = "0123456789ABCDEF";
            bdf += {kHex[bits >> 4], kHex[bits & 15], '\n'};
        }
        bdf += "ENDCHAR\n";
    }
    return bdf + "ENDFONT\n";
}

// A whole font imported in memory: the editor's own "font.h" as a C table, and the same
// glyphs as a BDF font.
void importStep(benchmark::State& run, files::ImportFormat format) {
    editing::Editor editor;
    drawFullFont(editor);
    const files::FontData data = files::fontData(editor.state().font, editor.state().labels);
    const bool c = format == files::ImportFormat::C;
    const std::string bytes = c ? files::headerBytes(data) : bdfBytes(data);
    for (auto _ : run) {
        files::ImportedFont font = c ? files::importCTable(bytes, {}) : files::importBdf(bytes, {});
        benchmark::DoNotOptimize(font);
    }
}

BENCHMARK_CAPTURE(importStep, c, files::ImportFormat::C)->Name("core-import-c")->Apply(asRuns);
BENCHMARK_CAPTURE(importStep, bdf, files::ImportFormat::Bdf)
    ->Name("core-import-bdf")
    ->Apply(asRuns);

}  // namespace

}  // namespace fontedit::bench
