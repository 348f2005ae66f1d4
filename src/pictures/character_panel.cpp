#include "pictures/character_panel.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace fontedit::pictures {
namespace {

// The character ROM every HD44780 has holds ASCII from the space to "}", but for the backslash,
// where it has the yen sign.
bool inCharacterRom(std::string_view character) {
    if (character.size() != 1) return false;
    const auto byte = static_cast<unsigned char>(character[0]);
    return byte >= 0x20 && byte <= 0x7D && byte != 0x5C;
}

constexpr std::array kCommonSizes{PanelSize{16, 2}, PanelSize{20, 4}};

template <typename T>
void addOnce(std::vector<T>& list, const T& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

std::optional<PanelSize> panelSizeNamed(std::string_view name) {
    PanelSize size{};
    const char* end = name.data() + name.size();
    auto [afterColumns, error] = std::from_chars(name.data(), end, size.columns);
    if (error != std::errc() || afterColumns == end || *afterColumns != 'x') return std::nullopt;
    auto [afterRows, rowError] = std::from_chars(afterColumns + 1, end, size.rows);
    if (rowError != std::errc() || afterRows != end) return std::nullopt;
    if (size.columns < 1 || size.columns > kMostPanelColumns || size.rows < 1 ||
        size.rows > kMostPanelRows || name.front() == '0' || afterColumns[1] == '0') {
        return std::nullopt;
    }
    return size;
}

std::string panelSizeName(PanelSize size) {
    return std::to_string(size.columns) + "x" + std::to_string(size.rows);
}

std::span<const PanelSize> commonPanelSizes() {
    return kCommonSizes;
}

PanelText panelText(std::string_view text, PanelSize size, const LabelOf& label) {
    return panelText(text, size, GlyphLookup(label));
}

PanelText panelText(std::string_view text, PanelSize size, const GlyphLookup& lookup) {
    PanelText panel;
    const std::size_t cellCount = static_cast<std::size_t>(size.columns) * size.rows;
    panel.cells.assign(cellCount, std::nullopt);
    std::size_t row = 0;
    while (true) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::size_t cell = row * size.columns;
        for (const TextGlyph& glyph : textGlyphs(text.substr(0, end), lookup)) {
            if (cell >= cellCount) {
                ++panel.cut;
                continue;
            }
            if (!glyph.code) {
                addOnce(panel.missing, std::string(glyph.character));
            } else {
                panel.cells[cell] = glyph.code;
                if (!inCharacterRom(glyph.character)) addOnce(panel.customCodes, *glyph.code);
            }
            ++cell;
        }
        row = (std::max(cell, row * size.columns + 1) + size.columns - 1) / size.columns;
        if (end == text.size()) break;
        text.remove_prefix(end + 1);
    }
    return panel;
}

}  // namespace fontedit::pictures
