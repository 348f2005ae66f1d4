#include "formats/own/header_export.h"

#include "formats/c/c_text.h"
#include "formats/own/cell_texts.h"
#include "formats/own/cp932.h"
#include "formats/own/line_ends.h"
#include "state/conversions.h"

namespace fontedit::formats {
EmptyCells emptyCells(const state::FontData& data) {
    EmptyCells cells;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        bool found = false;
        for (const std::string& cell : data.cells[code]) {
            if (cell.find_first_not_of(' ') != std::string::npos) continue;
            ++cells.count;
            found = true;
        }
        if (found) cells.codes.push_back(code);
    }
    return cells;
}

std::string headerBytes(const state::FontData& data) {
    std::string bytes(kHeaderOpening);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        bytes += "    { ";
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            if (column > 1) bytes += ", ";
            bytes += "0x" + encodedCell(data, code, column);
        }
        bytes += " }, // " + encodedLabel(data, code) + " " + state::rowNumberText(code);
        bytes += kLineEnd;
    }
    bytes += toCp932("}  // 最後の行のコンマ消す．最初のフォント数は手作業で処理！！");
    bytes += kLineEnd;
    return bytes;
}

}  // namespace fontedit::formats
