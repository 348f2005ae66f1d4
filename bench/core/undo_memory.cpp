#include "bench/core/undo_memory.h"

#include <malloc.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/core/full_font.h"
#include "editing/history.h"
#include "state/conversions.h"

namespace fontedit::bench {

namespace {

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// One step of a mix of what users do most: toggles, a typed column, a typed label and grid
// commands, moving on to the next glyph every 40 steps.
void editStep(editing::Editor& editor, int step) {
    using state::FieldId;
    if (step % 40 == 39) editor.next();
    switch (step % 4) {
        case 0:
            editor.togglePixel(step % state::kGlyphColumns + 1, step % state::kGlyphRows);
            break;
        case 1:
            editor.type(FieldId::Column2, "7");
            editor.type(FieldId::Column2, "7" + state::hexText(step % 16));
            editor.finishEditing(FieldId::Column2);
            break;
        case 2:
            editor.type(FieldId::Label, "x" + std::to_string(step % 10));
            editor.finishEditing(FieldId::Label);
            break;
        default:
            editor.apply(step % 8 == 3 ? editing::GridCommand::Invert
                                       : editing::GridCommand::ShiftLeft);
            break;
    }
}

}  // namespace

void reportUndoMemory(int runs) {
    for (int run = 0; run < runs; ++run) {
        auto editor = std::make_unique<editing::Editor>();
        drawFullFont(*editor);
        const std::size_t before = heapInUse();
        for (int step = 0; step < static_cast<int>(editing::History::kMaxSteps); ++step) {
            editStep(*editor, step);
        }
        const double mebibytes = static_cast<double>(heapInUse() - before) / (1024.0 * 1024.0);
        std::printf("undo-memory fontedit %.4f\n", mebibytes);
    }
    std::fflush(stdout);
}

}  // namespace fontedit::bench
