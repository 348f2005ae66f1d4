#include "formats/common/font_bytes.h"

#include <charconv>
#include <numeric>

#include "state/failure.h"

namespace fontedit::formats {

std::optional<std::uint8_t> readCellByte(std::string_view cell) {
    std::string digits;
    for (const char c : cell) {
        if (c != ' ') digits.push_back(c);
    }
    unsigned value = 0;
    const char* end = digits.data() + digits.size();
    const auto read = std::from_chars(digits.data(), end, value, 16);
    if (digits.empty()) return 0;
    if (digits.size() > 2 || read.ptr != end) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::uint8_t cellByte(std::string_view cell, int code, int column) {
    if (const std::optional<std::uint8_t> byte = readCellByte(cell)) return *byte;
    throw state::Failure(state::Cause::CellNotAByte,
                         {.code = code, .column = column, .value = std::string(cell)});
}

state::GlyphBytes glyphBytes(const state::FontData& data, int code) {
    state::GlyphBytes bytes;
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        bytes[column - 1] = cellByte(data.cells[code][column - 1], code, column);
    }
    return bytes;
}

std::array<std::uint8_t, state::kGlyphRows> rowBytes(const state::GlyphBytes& columns,
                                                     int leftBit) {
    std::array<std::uint8_t, state::kGlyphRows> rows{};
    for (int row = 0; row < state::kGlyphRows; ++row) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            if (dotLit(columns[column], row)) rows[row] |= 1 << (leftBit - column);
        }
    }
    return rows;
}

std::vector<int> allGlyphCodes() {
    std::vector<int> codes(state::kSavedCodes);
    std::iota(codes.begin(), codes.end(), 0);
    return codes;
}

std::string binaryBytes(const state::FontData& data, const std::vector<int>& codes) {
    std::string bytes;
    for (const int code : codes.empty() ? allGlyphCodes() : codes) {
        for (const std::uint8_t byte : glyphBytes(data, code))
            bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

}  // namespace fontedit::formats
