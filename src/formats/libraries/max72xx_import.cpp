#include <string>

#include "formats/common/cell_font.h"
#include "formats/libraries/max72xx.h"

namespace fontedit::formats {
namespace {

struct Header {
    long long first = 0, last = 0;
    std::size_t height = 0, length = 0;
};

std::optional<Header> headerOf(const std::vector<std::uint8_t>& v) {
    if (v.size() < 5 || v[0] != kMax72xxTableMark) return std::nullopt;
    if (v[1] == 1) return Header{v[2], v[3], v[4], 5};
    if (v[1] == 2 && v.size() >= 7) return Header{v[2] << 8 | v[3], v[4] << 8 | v[5], v[6], 7};
    return std::nullopt;
}

// Where each glyph's width byte stands, when the glyphs fill the list exactly.
std::optional<std::vector<std::size_t>> glyphStarts(const std::vector<std::uint8_t>& v,
                                                    const Header& header) {
    if (header.last < header.first || header.height == 0) return std::nullopt;
    std::vector<std::size_t> starts;
    std::size_t at = header.length;
    for (long long character = header.first; character <= header.last; ++character) {
        if (at >= v.size()) return std::nullopt;
        starts.push_back(at);
        at += 1 + v[at] * ((header.height + 7) / 8);
    }
    if (at != v.size()) return std::nullopt;
    return starts;
}

}  // namespace

bool isMax72xxTable(const std::vector<std::uint8_t>& values) {
    const std::optional<Header> header = headerOf(values);
    return header && glyphStarts(values, *header);
}

std::optional<ImportedFont> importMax72xxTable(const std::vector<std::uint8_t>& values, int line,
                                               const ImportOptions& options) {
    const std::optional<Header> header = headerOf(values);
    if (!header) return std::nullopt;
    const std::optional<std::vector<std::size_t>> starts = glyphStarts(values, *header);
    if (!starts) return std::nullopt;
    CellFont cells(options, firstTaken(options, header->first, header->last), 0, 0);
    const std::size_t rowBytes = (header->height + 7) / 8;
    for (long long character = header->first; character <= header->last; ++character) {
        cells.sawEncoding(character);
        if (!cells.wanted(character)) continue;
        const std::size_t start = (*starts)[static_cast<std::size_t>(character - header->first)];
        CellGlyph glyph{.name = std::to_string(character), .line = line, .encoding = character};
        for (std::size_t column = 0; column < values[start]; ++column) {
            for (std::size_t row = 0; row < header->height; ++row) {
                const std::uint8_t byte = values[start + 1 + column * rowBytes + row / 8];
                if (byte >> (row % 8) & 1) {
                    cells.dot(glyph, static_cast<long long>(column),
                              state::kGlyphRows - 2 - static_cast<long long>(row));
                }
            }
        }
        cells.place(glyph);
    }
    return cells.font("ISO10646", "1");
}

}  // namespace fontedit::formats
