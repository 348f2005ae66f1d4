#include "files/font_files.h"

#include <array>

#include "files/atomic_file.h"
#include "files/cp932.h"
#include "files/field_reader.h"
#include "files/line_ends.h"
#include "files/read_file.h"
#include "state/failure.h"

namespace fontedit::files {
namespace {

using state::Cause;
using state::Failure;

std::string placeInFile(const char* fileName, int line) {
    return std::string(fileName) + " の " + std::to_string(line) + " 行目";
}

// Refused rather than written: Read would shift every text after it and the font on disk
// would come back scrambled, or not at all.
void requireInPlace(bool inPlace, const std::string& place) {
    if (!inPlace) throw Failure(Cause::MovesLaterTexts, place);
}

}  // namespace

std::string fontFileBytes(const FontData& data) {
    std::string bytes;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            if (column > 1) bytes += ", ";
            requireInPlace(keepsItsPlaceAsCell(data.cells[code][column - 1]),
                           cellPlace(code, column));
            bytes += encodedCell(data, code, column);
        }
        bytes += kLineEnd;
    }
    return bytes;
}

std::string labelFileBytes(const FontData& data) {
    std::string bytes;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        requireInPlace(keepsItsPlaceAsLabel(data.labels[code]), labelPlace(code));
        bytes += encodedLabel(data, code);
        bytes += kLineEnd;
    }
    return bytes;
}

// Fields and lines are split on the raw CP932 bytes, which is safe because blank, quotation
// mark, comma and line ends all lie below 0x40, where no CP932 trail byte does. Converting
// each piece alone leaves the bytes after the 96th line unread, as they should be.
FontData parseFontFiles(std::string_view fontBytes, std::string_view labelBytes) {
    FontData data;
    FieldReader fields(fontBytes);
    for (auto& cells : data.cells) {
        for (std::string& cell : cells) {
            const std::optional<std::string> field = fields.next();
            if (!field) throw Failure(Cause::PastEndOfFile, kFontFileName);
            cell = fromCp932(*field, placeInFile(kFontFileName, fields.line()));
        }
    }
    const auto lines = splitLines(labelBytes, state::kSavedCodes);
    if (lines.size() < state::kSavedCodes) throw Failure(Cause::PastEndOfFile, kLabelFileName);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        data.labels[code] = fromCp932(lines[code], placeInFile(kLabelFileName, code + 1));
    }
    return data;
}

FontData loadFontFiles(const std::filesystem::path& dir) {
    const std::string fontBytes = readWholeFile(dir / kFontFileName);
    return parseFontFiles(fontBytes, readWholeFile(dir / kLabelFileName));
}

void saveFont(const state::EditorState& state, const std::filesystem::path& dir) {
    const FontData data = fontData(state.font, state.labels);
    const std::string fontBytes = fontFileBytes(data);
    const std::string labelBytes = labelFileBytes(data);
    const std::array<FileContent, 2> files{FileContent{dir / kFontFileName, fontBytes},
                                           FileContent{dir / kLabelFileName, labelBytes}};
    writeFilesAtomically(files);
}

void saveFont(editing::Editor& editor, const std::filesystem::path& dir) {
    saveFont(editor.state(), dir);
    editor.markSaved();
}

void readFont(editing::Editor& editor, const std::filesystem::path& dir) {
    const FontData data = loadFontFiles(dir);
    editor.read([&data](state::FontTable& font, state::LabelTable& labels) {
        storeFontData(data, font, labels);
    });
}

}  // namespace fontedit::files
