#include "formats/common/imported_glyphs.h"

#include <array>

#include "formats/own/cp932.h"
#include "state/conversions.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::formats {
namespace {

// CP932 maps some characters one way only (U+00A5 is written as the backslash's byte), so a
// label is kept only when it reads back as itself.
bool survivesCp932(const std::string& text) {
    try {
        return fromCp932(toCp932(text, {}), {}) == text;
    } catch (const state::Failure&) {
        return false;
    }
}

}  // namespace

const std::string& byteCell(std::uint8_t value) {
    static const std::array<std::string, 256> cells = [] {
        std::array<std::string, 256> texts;
        for (int byte = 0; byte < 256; ++byte) texts[byte] = state::hexText(byte);
        return texts;
    }();
    return cells[value];
}

std::string labelForCode(long long code) {
    const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code == 0x7F) return "DEL";
    if (control || surrogate || code > 0xFFFF) return "";
    std::string label = state::utf8Bytes(static_cast<char32_t>(code));
    if (code < 0x7F || survivesCp932(label)) return label;
    return "";
}

void labelFrom(long long first, state::FontData& data) {
    for (int code = 0; code < state::kSavedCodes; ++code)
        data.labels[code] = labelForCode(first + code);
}

void setGlyph(state::FontData& data, int code,
              const std::uint8_t (&columns)[state::kGlyphColumns]) {
    for (int column = 0; column < state::kGlyphColumns; ++column) {
        data.cells[code][column] = byteCell(columns[column]);
    }
}

}  // namespace fontedit::formats
