#include "formats/own/header_export.h"

#include "formats/own/cell_texts.h"
#include "formats/own/cp932.h"
#include "formats/own/line_ends.h"
#include "state/conversions.h"

namespace fontedit::formats {

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
