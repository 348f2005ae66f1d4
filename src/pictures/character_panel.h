#pragma once

// A character LCD's text: which glyph each 5 x 8 cell of the module shows, and what the module
// could not show as the font draws it.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/text_glyphs.h"

namespace fontedit::pictures {

struct PanelSize {
    int columns;
    int rows;
    bool operator==(const PanelSize&) const = default;
};

// An HD44780 addresses 80 cells, on at most four lines.
inline constexpr int kMostPanelColumns = 40;
inline constexpr int kMostPanelRows = 4;

// "16x2" and the like; nothing for any other text or a size no module has.
std::optional<PanelSize> panelSizeNamed(std::string_view name);
std::string panelSizeName(PanelSize size);
// The sizes most modules come in, for a choice to offer.
std::span<const PanelSize> commonPanelSizes();

// Dots around the cells, and between two cells each way.
inline constexpr int kPanelMargin = 2;
inline constexpr int kPanelGutter = 1;
inline constexpr int kPanelCellPitchX = state::kGlyphColumns + kPanelGutter;
inline constexpr int kPanelCellPitchY = state::kGlyphRows + kPanelGutter;

constexpr int panelWidthDots(PanelSize size) {
    return 2 * kPanelMargin + size.columns * kPanelCellPitchX - kPanelGutter;
}
constexpr int panelHeightDots(PanelSize size) {
    return 2 * kPanelMargin + size.rows * kPanelCellPitchY - kPanelGutter;
}

struct PanelText {
    // rows x columns, row after row: the glyph each cell shows, nothing for a blank cell.
    std::vector<std::optional<int>> cells;
    std::vector<std::string> missing;  // characters with no glyph, each once, shown blank
    // Glyphs of characters the module's character ROM does not hold, each once: each needs a
    // CGRAM slot, of which there are eight.
    std::vector<int> customCodes;
    int cut = 0;  // characters past the last cell
};

inline constexpr int kCgramSlots = 8;

// Each line of `text` starts a row of cells and runs on to the next row when it is longer.
PanelText panelText(std::string_view text, PanelSize size, const GlyphLookup& lookup);
PanelText panelText(std::string_view text, PanelSize size, const LabelOf& label);

}  // namespace fontedit::pictures
