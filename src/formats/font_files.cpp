#include "formats/font_files.h"

#include "formats/cell_texts.h"
#include "formats/cp932.h"
#include "formats/field_reader.h"
#include "formats/line_ends.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// Refused rather than written: Read would shift every text after it and the font on disk
// would come back scrambled, or not at all.
void requireInPlace(bool inPlace, state::Facts place, std::string_view text) {
    if (!inPlace) {
        place.value = std::string(text);
        throw Failure(Cause::MovesLaterTexts, std::move(place));
    }
}

}  // namespace

std::string fontFileBytes(const state::FontData& data) {
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

std::string labelFileBytes(const state::FontData& data) {
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
state::FontData parseFontFiles(std::string_view fontBytes, std::string_view labelBytes) {
    state::FontData data;
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

FontFiles fontFiles(const state::FontData& data) {
    return {fontFileBytes(data), labelFileBytes(data)};
}

}  // namespace fontedit::formats
