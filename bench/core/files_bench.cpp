// Save, Read, Export and import of a fully drawn font. On tmpfs the flush before each rename costs
// nothing, which leaves the program's own work; the disk run shows what the flush adds.
#include <filesystem>
#include <string>

#include "bench/core/full_font.h"
#include "bench/core/runs.h"
#include "document/font_document.h"
#include "formats/export_formats.h"
#include "formats/font_import.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "formats/png/png_render.h"
#include "formats/x11/bdf_export.h"
#include "pictures/display_looks.h"
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

// A whole font exported in memory, in each format the CLI writes, and the sheet drawn in each
// display look; "core-export-WORD" and "core-render-LOOK".
void exportStep(benchmark::State& run, formats::ExportFormat format) {
    editing::Editor editor;
    drawFullFont(editor);
    const state::FontData data =
        state::tableTexts<state::FontData>(editor.state().font, editor.state().labels);
    for (auto _ : run) benchmark::DoNotOptimize(formats::exportBytes(format, data, {}));
}

void renderStep(benchmark::State& run, const pictures::DisplayLook& look) {
    editing::Editor editor;
    drawFullFont(editor);
    const state::FontData data =
        state::tableTexts<state::FontData>(editor.state().font, editor.state().labels);
    for (auto _ : run) benchmark::DoNotOptimize(formats::sheetPng(data, look.defaultScale, look));
}

const bool kFormatBenchmarks = [] {
    for (const formats::FormatInfo& info : formats::exportFormats()) {
        // The sheet is core-render-paper.
        if (info.format == formats::ExportFormat::Png) continue;
        benchmark::RegisterBenchmark(("core-export-" + std::string(info.word)).c_str(), exportStep,
                                     info.format)
            ->Apply(asRuns);
    }
    for (const pictures::DisplayLook& look : pictures::displayLooks()) {
        benchmark::RegisterBenchmark(("core-render-" + std::string(look.name)).c_str(), renderStep,
                                     look)
            ->Apply(asRuns);
    }
    return true;
}();

// A whole font imported in memory: the editor's own "font.h" as a C table, and the same
// glyphs as a BDF font.
void importStep(benchmark::State& run, formats::ImportFormat format) {
    editing::Editor editor;
    drawFullFont(editor);
    const state::FontData data =
        state::tableTexts<state::FontData>(editor.state().font, editor.state().labels);
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
