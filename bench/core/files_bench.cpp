// Save, Read and Export of a fully drawn font. On tmpfs the flush before each rename costs
// nothing, which leaves the program's own work; the disk run shows what the flush adds.
#include <filesystem>

#include "bench/core/full_font.h"
#include "bench/core/runs.h"
#include "files/font_files.h"
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

}  // namespace

}  // namespace fontedit::bench
