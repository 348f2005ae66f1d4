// Save, Read, Export and import of a fully drawn font. On tmpfs the flush before each rename costs
// nothing, which leaves the program's own work; the disk run shows what the flush adds.
#include <filesystem>
#include <string>

#include "bench/core/full_font.h"
#include "bench/core/runs.h"
#include "document/font_document.h"
#include "formats/bdf_export.h"
#include "formats/psf_export.h"
#include "formats/c_source_export.h"
#include "formats/font_bytes.h"
#include "formats/font_files.h"
#include "formats/font_import.h"
#include "formats/header_export.h"
#include "formats/png_render.h"
#include "support/scratch_directory.h"

namespace fontedit::bench {

namespace {

enum class Step { Save, Read, Export, All };

const std::filesystem::path kMemoryDir = "/dev/shm";

void fileStep(benchmark::State& run, Step step, const std::filesystem::path& parent) {
    editing::Editor editor;
    drawFullFont(editor);
    const support::ScratchDirectory dir(parent);
    document::FontDocument document(editor, dir.path());
    document.save();
    for (auto _ : run) {
        if (step == Step::Save || step == Step::All) document.save();
        if (step == Step::Read || step == Step::All) document.read();
        if (step == Step::Export || step == Step::All) {
            document.exportHeader();
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

enum class Format { Header, C, Bdf, Bin, Png, Psf };

// A whole font exported in memory, in each format the CLI writes.
void exportStep(benchmark::State& run, Format format) {
    editing::Editor editor;
    drawFullFont(editor);
    const formats::FontData data = formats::fontData(editor.state().font, editor.state().labels);
    for (auto _ : run) {
        std::string bytes;
        switch (format) {
            case Format::Header:
                bytes = formats::headerBytes(data);
                break;
            case Format::C:
                bytes = formats::cSourceBytes(data, {});
                break;
            case Format::Bdf:
                bytes = formats::bdfBytes(data);
                break;
            case Format::Bin:
                bytes = formats::binaryBytes(data);
                break;
            case Format::Png:
                bytes = formats::sheetPng(data);
                break;
            case Format::Psf:
                bytes = formats::psfBytes(data);
                break;
        }
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK_CAPTURE(exportStep, header, Format::Header)->Name("core-export-header")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, c, Format::C)->Name("core-export-c")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, bdf, Format::Bdf)->Name("core-export-bdf")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, bin, Format::Bin)->Name("core-export-bin")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, psf, Format::Psf)->Name("core-export-psf")->Apply(asRuns);
BENCHMARK_CAPTURE(exportStep, png, Format::Png)->Name("core-render-sheet")->Apply(asRuns);

// A whole font imported in memory: the editor's own "font.h" as a C table, and the same
// glyphs as a BDF font.
void importStep(benchmark::State& run, formats::ImportFormat format) {
    editing::Editor editor;
    drawFullFont(editor);
    const formats::FontData data = formats::fontData(editor.state().font, editor.state().labels);
    const bool c = format == formats::ImportFormat::C;
    const std::string bytes = c ? formats::headerBytes(data) : formats::bdfBytes(data);
    for (auto _ : run) {
        formats::ImportedFont font =
            c ? formats::importCTable(bytes, {}) : formats::importBdf(bytes, {});
        benchmark::DoNotOptimize(font);
    }
}

BENCHMARK_CAPTURE(importStep, c, formats::ImportFormat::C)->Name("core-import-c")->Apply(asRuns);
BENCHMARK_CAPTURE(importStep, bdf, formats::ImportFormat::Bdf)
    ->Name("core-import-bdf")
    ->Apply(asRuns);

}  // namespace

}  // namespace fontedit::bench
