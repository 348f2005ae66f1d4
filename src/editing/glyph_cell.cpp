#include "editing/glyph_cell.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include "state/conversions.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::editing {
namespace {

CellBox boxOf(const state::BitmapGlyph& glyph) {
    return {
        .left = glyph.left, .bottom = glyph.bottom, .width = glyph.width, .height = glyph.height};
}

// The cell's dots, row after row from the top, one byte a dot.
using Dots = std::vector<std::uint8_t>;

Dots cellDots(const state::BitmapGlyph& glyph, const CellBox& cell) {
    Dots dots(static_cast<std::size_t>(cell.width * cell.height));
    for (int y = 0; y < cell.height; ++y) {
        for (int x = 0; x < cell.width; ++x)
            dots[y * cell.width + x] = state::cellDot(cell, glyph, x, y);
    }
    return dots;
}

// The glyph's box made to take in `box` too, its dots where they were.
void grow(state::BitmapGlyph& glyph, const CellBox& box) {
    const CellBox old = boxOf(glyph);
    CellBox grown = box;
    if (old.width > 0 && old.height > 0) {
        grown.left = std::min(old.left, box.left);
        grown.bottom = std::min(old.bottom, box.bottom);
        grown.width = std::max(old.left + old.width, box.left + box.width) - grown.left;
        grown.height = std::max(old.top(), box.top()) - grown.bottom;
    }
    if (grown == old) return;
    if (grown.width > state::kMaxGlyphSide || grown.height > state::kMaxGlyphSide) {
        throw state::Failure(state::Cause::GlyphPastSide,
                             {.code = static_cast<int>(glyph.character),
                              .value = state::utf8Bytes(glyph.character),
                              .needed = std::to_string(state::kMaxGlyphSide) + "x" +
                                        std::to_string(state::kMaxGlyphSide)});
    }
    state::GlyphRows rows(static_cast<std::size_t>(grown.height), 0);
    const int shift = old.left - grown.left;
    for (int y = 0; y < old.height; ++y) rows[grown.top() - old.top() + y] = glyph.rows[y] << shift;
    glyph.rows = std::move(rows);
    glyph.width = grown.width;
    glyph.height = grown.height;
    glyph.left = grown.left;
    glyph.bottom = grown.bottom;
}

// The glyph's dots become `dots`; its box grows once to take in every lit one outside it and
// never shrinks, so that a file keeps the boxes it had.
void setCellDots(state::BitmapGlyph& glyph, const CellBox& cell, const Dots& dots) {
    int left = cell.width, right = -1, high = cell.height, low = -1;
    for (int y = 0; y < cell.height; ++y) {
        for (int x = 0; x < cell.width; ++x) {
            if (!dots[y * cell.width + x]) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            high = std::min(high, y);
            low = std::max(low, y);
        }
    }
    state::BitmapGlyph result = glyph;
    result.rows.assign(result.rows.size(), 0);
    if (right >= 0) {
        grow(result, {.left = cell.left + left,
                      .bottom = cell.top() - 1 - low,
                      .width = right - left + 1,
                      .height = low - high + 1});
    }
    for (int y = 0; y < cell.height; ++y) {
        for (int x = 0; x < cell.width; ++x) {
            if (dots[y * cell.width + x]) setCellDot(result, cell, x, y, true);
        }
    }
    glyph = std::move(result);
}

// A row of the cell as BDF writes one, from its dots.
std::string rowText(const Dots& dots, const CellBox& cell, int y) {
    std::string text;
    for (int byte = 0; byte < state::rowByteCount(cell.width); ++byte) {
        unsigned value = 0;
        for (int bit = 0; bit < 8; ++bit) {
            const int x = byte * 8 + bit;
            if (x < cell.width && dots[y * cell.width + x]) value |= 0x80U >> bit;
        }
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", value);
        text += digits;
    }
    return text;
}

// The blank-separated words of a text.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> list;
    for (std::size_t begin = 0;;) {
        begin = text.find_first_not_of(" \t\r\n", begin);
        if (begin == text.npos) return list;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", begin), text.size());
        list.push_back(text.substr(begin, end - begin));
        begin = end;
    }
}

}  // namespace

CellBox shownCell(const state::BitmapFont& font) {
    const state::FontCell cell = state::fontCell(font);
    // A file may place a glyph anywhere; the cell stays within reach of the origin.
    const int reach = kMostCellSide / 2;
    const int left = std::max(cell.left, -reach), bottom = std::max(cell.bottom, -reach);
    const int right = std::max(std::min(cell.left + cell.width, reach), left + 1);
    const int top = std::max(std::min(cell.top(), reach), bottom + 1);
    return {.left = left, .bottom = bottom, .width = right - left, .height = top - bottom};
}

void setCellDot(state::BitmapGlyph& glyph, const CellBox& cell, int x, int y, bool lit) {
    if (x < 0 || y < 0 || x >= cell.width || y >= cell.height) return;
    if (lit)
        grow(glyph, {.left = cell.left + x, .bottom = cell.top() - 1 - y, .width = 1, .height = 1});
    glyph.setDot(x + cell.left - glyph.left, y - (cell.top() - glyph.bottom - glyph.height), lit);
}

bool hexByColumn(const CellBox& cell) {
    return cell.height <= 8;
}

int hexFieldCount(const CellBox& cell) {
    return hexByColumn(cell) ? cell.width : cell.height;
}

std::string hexField(const state::BitmapGlyph& glyph, const CellBox& cell, int index) {
    if (index < 0 || index >= hexFieldCount(cell)) return {};
    if (!hexByColumn(cell)) return rowText(cellDots(glyph, cell), cell, index);
    int value = 0;
    for (int y = 0; y < cell.height; ++y) value |= state::cellDot(cell, glyph, index, y) << y;
    return state::hexText(value);
}

void setHexField(state::BitmapGlyph& glyph, const CellBox& cell, int index, std::string_view text) {
    const bool byColumn = hexByColumn(cell);
    // A row's bytes run past its last dot to whole bytes; their padding must stay clear.
    const int bits = byColumn ? cell.height : 8 * state::rowByteCount(cell.width);
    const int dots = byColumn ? cell.height : cell.width;
    if (index < 0 || index >= hexFieldCount(cell)) return;
    const std::optional<std::uint64_t> value = state::hexNumber(text);
    if (!value || bits > 64 || (bits < 64 && *value >> bits != 0) ||
        (*value & ((1ULL << (bits - dots)) - 1)) != 0) {
        throw state::Failure(byColumn ? state::Cause::ColumnNotHex : state::Cause::RowNotHex,
                             {.code = dots, .value = std::string(text)});
    }
    Dots all = cellDots(glyph, cell);
    for (int i = 0; i < dots; ++i) {
        if (byColumn)
            all[i * cell.width + index] = (*value >> i) & 1;
        else
            all[index * cell.width + i] = (*value >> (bits - 1 - i)) & 1;
    }
    setCellDots(glyph, cell, all);
}

void applyToGlyph(state::BitmapGlyph& glyph, const CellBox& cell, GridCommand command) {
    const Dots dots = cellDots(glyph, cell);
    Dots result(dots.size());
    const int w = cell.width, h = cell.height;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Where the dot that lands on (x, y) comes from; off the cell, none.
            int fromX = x, fromY = y;
            switch (command) {
                case GridCommand::Clear:
                    fromX = -1;
                    break;
                case GridCommand::Invert:
                    break;
                case GridCommand::ShiftUp:
                    ++fromY;
                    break;
                case GridCommand::ShiftDown:
                    --fromY;
                    break;
                case GridCommand::ShiftLeft:
                    ++fromX;
                    break;
                case GridCommand::ShiftRight:
                    --fromX;
                    break;
                case GridCommand::MirrorLeftRight:
                    fromX = w - 1 - x;
                    break;
                case GridCommand::MirrorUpDown:
                    fromY = h - 1 - y;
                    break;
            }
            const bool inside = fromX >= 0 && fromX < w && fromY >= 0 && fromY < h;
            const bool lit = inside && dots[fromY * w + fromX];
            result[y * w + x] = command == GridCommand::Invert ? !lit : lit;
        }
    }
    setCellDots(glyph, cell, result);
}

std::string bitmapGlyphText(const state::BitmapGlyph& glyph, const CellBox& cell) {
    const Dots dots = cellDots(glyph, cell);
    std::string text = std::to_string(cell.width) + "x" + std::to_string(cell.height);
    for (int y = 0; y < cell.height; ++y) text += " " + rowText(dots, cell, y);
    return text;
}

void pasteBitmapGlyph(state::BitmapGlyph& glyph, const CellBox& cell, std::string_view text) {
    const auto refused = [&] {
        return state::Failure(state::Cause::NotABitmapGlyph, {.value = std::string(text)});
    };
    const std::vector<std::string_view> list = words(text);
    if (list.empty()) throw refused();
    const std::string_view size = list.front();
    int width = 0, height = 0;
    const auto [x, widthError] = std::from_chars(size.data(), size.data() + size.size(), width);
    const char* const end = size.data() + size.size();
    if (widthError != std::errc() || x == end || *x != 'x' ||
        std::from_chars(x + 1, end, height).ptr != end || width < 1 || height < 1 ||
        static_cast<std::size_t>(height) != list.size() - 1) {
        throw refused();
    }
    const std::size_t digits = 2 * static_cast<std::size_t>(state::rowByteCount(width));
    Dots dots(static_cast<std::size_t>(cell.width * cell.height));
    for (int y = 0; y < height; ++y) {
        const std::string_view row = list[y + 1];
        if (row.size() != digits) throw refused();
        for (std::size_t at = 0; at < digits; at += 2) {
            const std::optional<std::uint64_t> byte = state::hexNumber(row.substr(at, 2));
            if (!byte) throw refused();
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(at / 2) * 8 + bit;
                if (x < width && x < cell.width && y < cell.height && (*byte >> (7 - bit) & 1)) {
                    dots[y * cell.width + x] = 1;
                }
            }
        }
    }
    setCellDots(glyph, cell, dots);
}

}  // namespace fontedit::editing
