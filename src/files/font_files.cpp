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

// A font file is a few kilobytes; only the first 96 lines are ever read, so a huge file
// need not be held whole, only as far as those lines reach.
constexpr std::size_t kFontFileLimit = 1 << 20;

// Refused rather than written: Read would shift every text after it and the font on disk
// would come back scrambled, or not at all.
void requireInPlace(bool inPlace, state::Facts place, std::string_view text) {
    if (!inPlace) {
        place.value = std::string(text);
        throw Failure(Cause::MovesLaterTexts, std::move(place));
    }
}

// The parser names the file alone; the caller knows the folder it lies in.
void nameFolder(Failure& failure, const std::filesystem::path& dir) {
    std::string& file = failure.facts().file;
    if (file == kFontFileName || file == kLabelFileName) file = (dir / file).string();
}

void storeLoadedFont(editing::Editor& editor, const FontData& data) {
    editor.read([&data](state::FontTable& font, state::LabelTable& labels) {
        storeFontData(data, font, labels);
    });
}

}  // namespace

std::string fontFileBytes(const FontData& data) {
    std::string bytes;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            if (column > 1) bytes += ", ";
            const std::string& cell = data.cells[code][column - 1];
            requireInPlace(keepsItsPlaceAsCell(cell), cellPlace(code, column), cell);
            bytes += encodedCell(data, code, column);
        }
        bytes += kLineEnd;
    }
    return bytes;
}

std::string labelFileBytes(const FontData& data) {
    std::string bytes;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        requireInPlace(keepsItsPlaceAsLabel(data.labels[code]), labelPlace(code),
                       data.labels[code]);
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
            if (!field) throw Failure(Cause::PastEndOfFile, {.file = kFontFileName});
            cell = fromCp932(*field, {.file = kFontFileName, .line = fields.line()});
        }
    }
    const auto lines = splitLines(labelBytes, state::kSavedCodes);
    if (lines.size() < state::kSavedCodes) {
        throw Failure(Cause::PastEndOfFile, {.file = kLabelFileName});
    }
    for (int code = 0; code < state::kSavedCodes; ++code) {
        data.labels[code] = fromCp932(lines[code], {.file = kLabelFileName, .line = code + 1});
    }
    return data;
}

FontData loadFontFiles(const std::filesystem::path& dir) {
    FileStart font = readFileStart(dir / kFontFileName, kFontFileLimit);
    FileStart labels = readFileStart(dir / kLabelFileName, kFontFileLimit);
    // A file cut at the limit loses its last, partial line, so that no text is read cut.
    for (FileStart* file : {&font, &labels}) {
        if (!file->whole) file->bytes.resize(file->bytes.find_last_of("\r\n") + 1);
    }
    try {
        return parseFontFiles(font.bytes, labels.bytes);
    } catch (Failure& failure) {
        // A cut file that runs out of fields is too large, not too short.
        const bool cut = failure.facts().file == kFontFileName ? !font.whole : !labels.whole;
        if (failure.cause() == Cause::PastEndOfFile && cut) {
            failure = Failure(Cause::FileTooLarge, {.file = failure.facts().file});
        }
        nameFolder(failure, dir);
        throw;
    }
}

FontFiles saveFont(const state::EditorState& state) {
    const FontData data = fontData(state.font, state.labels);
    return {fontFileBytes(data), labelFileBytes(data)};
}

void saveFont(const state::EditorState& state, const std::filesystem::path& dir) {
    const FontFiles bytes = saveFont(state);
    const std::array<FileContent, 2> files{FileContent{dir / kFontFileName, bytes.font},
                                           FileContent{dir / kLabelFileName, bytes.labels}};
    writeFilesAtomically(files);
}

void saveFont(editing::Editor& editor, const std::filesystem::path& dir) {
    saveFont(editor.state(), dir);
    editor.markSaved();
}

void readFont(editing::Editor& editor, const FontFiles& files) {
    storeLoadedFont(editor, parseFontFiles(files.font, files.labels));
}

void readFont(editing::Editor& editor, const std::filesystem::path& dir) {
    storeLoadedFont(editor, loadFontFiles(dir));
}

}  // namespace fontedit::files
