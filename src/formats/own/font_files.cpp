#include "formats/own/font_files.h"

#include <limits>
#include <optional>

#include "formats/common/font_bytes.h"
#include "formats/own/cell_texts.h"
#include "formats/own/cp932.h"
#include "formats/own/field_reader.h"
#include "formats/own/line_ends.h"
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

// Whether a walk looks for cells that hold no byte: Read keeps them, so it spends nothing on
// them.
enum class CellBytes { Checked, Kept };

// The field on `line` for cell `column` of `code` as the cell's text, and its first fault:
// bytes that are not CP932, or, when `cellBytes` asks, no byte as export and render read it. A
// blank cell is a column never drawn, as the classic files have it, and every reader takes it
// as 0.
std::optional<Failure> readCell(std::string_view field, int code, int column, int line,
                                std::string& cell, CellBytes cellBytes) {
    try {
        cell = fromCp932(field, {.file = kFontFileName, .line = line});
    } catch (const Failure& failure) {
        return failure;
    }
    if (cellBytes == CellBytes::Kept || readCellByte(cell)) return std::nullopt;
    return Failure(
        Cause::CellNotAByte,
        {.file = kFontFileName, .line = line, .code = code, .column = column, .value = cell});
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

namespace {

// Fields and lines are split on the raw CP932 bytes, which is safe because blank, quotation
// mark, comma and line ends all lie below 0x40, where no CP932 trail byte does. Converting
// each piece alone leaves the bytes after the 96th line unread, as they should be.
void walkFontFile(std::string_view bytes, state::FontData& data, const FaultSink& fault,
                  CellBytes cellBytes) {
    FieldReader fields(bytes);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            const std::optional<std::string> field = fields.next();
            if (!field) {
                // The line where a glyph is missing, or the last when all 96 are there.
                const std::size_t lines =
                    splitLines(bytes, std::numeric_limits<std::size_t>::max()).size();
                const std::size_t line = lines < state::kSavedCodes ? lines + 1 : lines;
                fault(Failure(Cause::PastEndOfFile,
                              {.file = kFontFileName, .line = static_cast<int>(line)}));
                return;
            }
            if (std::optional<Failure> found = readCell(*field, code, column, fields.line(),
                                                        data.cells[code][column - 1], cellBytes)) {
                fault(std::move(*found));
            }
        }
    }
}

}  // namespace

void checkFontFile(std::string_view bytes, state::FontData& data, const FaultSink& fault) {
    walkFontFile(bytes, data, fault, CellBytes::Checked);
}

void checkLabelFile(std::string_view bytes, state::FontData& data, const FaultSink& fault) {
    const std::vector<std::string_view> lines = splitLines(bytes, state::kSavedCodes);
    // Known before any label is read, so it comes first.
    if (lines.size() < state::kSavedCodes) {
        fault(Failure(Cause::PastEndOfFile,
                      {.file = kLabelFileName, .line = static_cast<int>(lines.size() + 1)}));
    }
    for (std::size_t code = 0; code < lines.size(); ++code) {
        try {
            data.labels[code] = fromCp932(
                lines[code], {.file = kLabelFileName, .line = static_cast<int>(code + 1)});
        } catch (const Failure& failure) {
            fault(failure);
        }
    }
}

void checkFontFiles(std::string_view fontBytes, std::string_view labelBytes, state::FontData& data,
                    const FaultSink& fault) {
    checkFontFile(fontBytes, data, fault);
    checkLabelFile(labelBytes, data, fault);
}

state::FontData parseFontFiles(std::string_view fontBytes, std::string_view labelBytes) {
    state::FontData data;
    const FaultSink refuse = [](Failure fault) {
        if (fault.cause() == Cause::PastEndOfFile) fault.facts().line = 0;
        throw std::move(fault);
    };
    walkFontFile(fontBytes, data, refuse, CellBytes::Kept);
    checkLabelFile(labelBytes, data, refuse);
    return data;
}

FontFiles fontFiles(const state::FontData& data) {
    return {fontFileBytes(data), labelFileBytes(data)};
}

}  // namespace fontedit::formats
