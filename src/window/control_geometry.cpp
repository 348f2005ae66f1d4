#include "window/control_geometry.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <utility>

#include "state/tables.h"

namespace fontedit::window {
namespace {

constexpr auto kOtherControls = std::to_array<ControlPlacement>({
    {ControlId::Label3, QT_TRANSLATE_NOOP("Layout", "文字"), 4320, 360, 495, 255, 54},
    {ControlId::Text10, "", 4800, 240, 375, 375, 53},
    {ControlId::Label1, QT_TRANSLATE_NOOP("Layout", "コード"), 4320, 840, 495, 255, 49},
    {ControlId::Text9, "", 4800, 720, 375, 375, 48},
    {ControlId::Command9, QT_TRANSLATE_NOOP("Layout", "←"), 4320, 1200, 375, 375, 40},
    {ControlId::Command10, QT_TRANSLATE_NOOP("Layout", "→"), 4800, 1200, 375, 375, 41},
    {ControlId::Label2, QT_TRANSLATE_NOOP("Layout", "ファイル"), 4320, 1920, 975, 255, 51},
    {ControlId::Command11, QT_TRANSLATE_NOOP("Layout", "読出し"), 4320, 2160, 855, 375, 47},
    {ControlId::Command12, QT_TRANSLATE_NOOP("Layout", "保存"), 4320, 2640, 855, 375, 50},
    {ControlId::Command14, QT_TRANSLATE_NOOP("Layout", "Cヘッダ生成"), 4320, 3240, 855, 615, 55},
    {ControlId::Command13, QT_TRANSLATE_NOOP("Layout", "終了"), 4320, 4200, 855, 375, 52},
    {ControlId::Text1, "", 240, 4320, 375, 270, 42, 1},
    {ControlId::Text2, "", 720, 4320, 375, 270, 43, 2},
    {ControlId::Text3, "", 1200, 4320, 375, 270, 44, 3},
    {ControlId::Text4, "", 1680, 4320, 375, 270, 45, 4},
    {ControlId::Text5, "", 2160, 4320, 375, 270, 46, 5},
});

// The pixel buttons in tab order, as (column, row).
constexpr std::array<std::pair<int, int>, 40> kPixelTabOrder = {{
    {1, 0}, {2, 0}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4},
    {1, 5}, {1, 6}, {1, 7}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {3, 1},
    {4, 1}, {5, 1}, {3, 2}, {4, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}, {3, 4}, {4, 4},
    {5, 4}, {3, 5}, {4, 5}, {5, 5}, {3, 6}, {4, 6}, {5, 6}, {3, 7}, {4, 7}, {5, 7},
}};

// The control array of each glyph column.
constexpr std::array<ControlId, state::kGlyphColumns> kPixelColumns = {
    ControlId::Command1, ControlId::Command2, ControlId::Command3, ControlId::Command4,
    ControlId::Command5};

constexpr int kPixelSize = 375, kPixelOrigin = 240, kPixelPitch = 480;

constexpr std::array<ControlPlacement, kPixelTabOrder.size() + kOtherControls.size()>
buildControls() {
    std::array<ControlPlacement, kPixelTabOrder.size() + kOtherControls.size()> controls{};
    for (std::size_t i = 0; i < kPixelTabOrder.size(); ++i) {
        const auto [column, row] = kPixelTabOrder[i];
        controls[i] = {kPixelColumns[column - 1],
                       "",
                       kPixelOrigin + kPixelPitch * (column - 1),
                       kPixelOrigin + kPixelPitch * row,
                       kPixelSize,
                       kPixelSize,
                       static_cast<int>(i),
                       column,
                       row};
    }
    for (std::size_t i = 0; i < kOtherControls.size(); ++i) {
        controls[kPixelTabOrder.size() + i] = kOtherControls[i];
    }
    return controls;
}

constexpr auto kControls = buildControls();

// Each control but a pixel button has exactly one row; each pixel button, one for each row of
// the glyph.
constexpr bool placesEveryControlOnce() {
    for (int n = 0; n < kControlIdCount; ++n) {
        const auto id = static_cast<ControlId>(n);
        const auto placements = std::ranges::count(kControls, id, &ControlPlacement::id);
        if (controlKind(id) != ControlKind::PixelButton) {
            if (placements != 1) return false;
            continue;
        }
        if (placements != state::kGlyphRows) return false;
        for (int row = 0; row < state::kGlyphRows; ++row) {
            if (std::ranges::none_of(kControls, [id, row](const ControlPlacement& control) {
                    return control.id == id && control.row == row;
                })) {
                return false;
            }
        }
    }
    return true;
}
static_assert(placesEveryControlOnce(),
              "every ControlId needs its row in the layout; a pixel button, one for each row");

// Form1 makes its controls in the order of their tab indices, which run 0, 1, 2, ...
constexpr bool tabIndicesAreAPermutation() {
    for (int index = 0; index < static_cast<int>(kControls.size()); ++index) {
        if (std::ranges::count(kControls, index, &ControlPlacement::tabIndex) != 1) return false;
    }
    return true;
}
static_assert(tabIndicesAreAPermutation(), "each tab index from 0 up belongs to one control");

}  // namespace

std::span<const ControlPlacement> formControls() {
    return kControls;
}

QRect pixelRect(const ControlPlacement& control) {
    return {control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
            control.width / kTwipsPerPixel, control.height / kTwipsPerPixel};
}

QString captionText(std::string_view caption) {
    return QCoreApplication::translate("Layout", caption.data());
}

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace fontedit::window
