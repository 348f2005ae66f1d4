#include "cli/c_integer_list.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "files/font_files.h"
#include "files/read_file.h"
#include "state/conversions.h"
#include "state/editor_state.h"

namespace fontedit::cli {
namespace {

constexpr std::size_t kGlyphBytes = state::kGlyphColumns;
constexpr std::size_t kFontBytes = state::kSavedCodes * kGlyphBytes;
// A table indexed by character code holds the printable characters from 0x20 on.
constexpr std::size_t kAsciiOffset = 0x20 * kGlyphBytes;
// Font tables are kilobytes; a source of many tables and much else still fits.
constexpr std::size_t kMostSourceBytes = 64 << 20;

std::string asciiLabel(int code) {
    const char character = static_cast<char>(0x20 + code);
    return character == 0x7F ? "DEL" : std::string(1, character);
}

void refuseToOverwrite(const std::filesystem::path& dir) {
    for (const char* name : {files::kFontFileName, files::kLabelFileName}) {
        if (std::filesystem::exists(dir / name)) {
            throw InputError(displayPath(dir, name) +
                             " exists; use --force to replace the font files");
        }
    }
}

std::vector<IntegerConstant> readTable(const std::filesystem::path& source) {
    return firstIntegerList(files::readWholeFile(source, kMostSourceBytes), source.string());
}

}  // namespace

void importCommand(const CommandLine& line) {
    const std::vector<IntegerConstant> table = readTable(line.source);
    const std::string name = line.source.string();
    if (line.offset > table.size() || table.size() - line.offset < kFontBytes) {
        throw InputError(name + ": the list holds " + std::to_string(table.size()) + " values; " +
                         std::to_string(kFontBytes) + " from offset " +
                         std::to_string(line.offset) + " need " +
                         std::to_string(line.offset + kFontBytes));
    }
    state::EditorState state;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            const IntegerConstant& byte = table[line.offset + code * kGlyphBytes + column - 1];
            if (byte.value > 0xFF) {
                throw InputError(name + ':' + std::to_string(byte.line) + ": " +
                                 std::to_string(byte.value) + " is not a byte");
            }
            state.font.setCell(code, column, state::hexText(static_cast<double>(byte.value)));
        }
        if (line.offset == kAsciiOffset) state.labels.setLabel(code, asciiLabel(code));
    }
    if (!line.force) refuseToOverwrite(line.dir);
    files::saveFont(state, line.dir);
}

}  // namespace fontedit::cli
