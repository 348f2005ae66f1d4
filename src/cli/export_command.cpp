#include <iostream>

#include "cli/commands.h"
#include "cli/messages.h"
#include "files/atomic_file.h"
#include "files/font_files.h"
#include "files/header_export.h"
#include "state/editor_state.h"

namespace fontedit::cli {

void exportCommand(const CommandLine& line) {
    const files::FontData data = files::loadFontFiles(line.dir);
    if (!line.output) {
        // The editor's own export, from tables filled as its Read fills them.
        state::EditorState state;
        files::storeFontData(data, state.font, state.labels);
        files::exportHeader(state, line.dir);
        return;
    }
    const std::string bytes = files::headerBytes(data);
    if (*line.output == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush()) throw InputError("cannot write to standard output");
        return;
    }
    const std::filesystem::path output(*line.output);
    files::writeFileAtomically(output, bytes);
}

}  // namespace fontedit::cli
