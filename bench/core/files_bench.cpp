// Save, Read, Export and import of a fully drawn font. On tmpfs the flush before each rename costs
// nothing, which leaves the program's own work; the disk run shows what the flush adds.
#include <filesystem>
#include <string>

#include "bench/core/full_font.h"
#include "bench/core/runs.h"
#include "files/bdf_export.h"
#include "files/c_source_export.h"
#include "files/font_bytes.h"
#include "files/font_files.h"
#include "files/font_import.h"
#include "files/header_export.h"
#include "files/png_render.h"
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

enum class Format { Header, C, Bdf, Bin, Png };

// A whole font exported in memory, in each format the CLI writes.
void exportStep(benchmark::State& run, Format format) {
    editing::Editor editor;
    drawFullFont(editor);
    const files::FontData data = files::fontData(editor.state().font, editor.state().labels);
    for (auto _ : run) {
        std::string bytes;
        switch (format) {
            case Format::Header:
                bytes = files::headerBytes(data);
                break;
            case Format::C:
                bytes = files::cSourceBytes(data, {});
                break;
            case Format::Bdf:
                bytes = files::bdfBytes(data);
                break;
            case Format::Bin:
                bytes = files::binaryBytes(data);
                break;
            case Format::Png:
                bytes = files::sheetPng(data);
                break;
        }
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK_CAPTURE(exportStep, header, Format::Header)->Name("core-export-header")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, c, Format::C)->Name("core-export-c")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, bdf, Format::Bdf)->Name("core-export-bdf")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, bin, Format::Bin)->Name("core-export-bin")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, png, Format::Png)->Name("core-render-sheet")->Apply(asRuns);

// A whole font imported in memory: the editor's own "font.h" as a C table, and the same
// glyphs as a BDF font.
void importStep(benchmark::State& run, files::ImportFormat format) {
    editing::Editor editor;
    drawFullFont(editor);
    const files::FontData data = files::fontData(editor.state().font, editor.state().labels);
    const bool c = format == files::ImportFormat::C;
    const std::string bytes = c ? files::headerBytes(data) : files::bdfBytes(data);
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
