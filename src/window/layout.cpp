#include "window/layout.h"

#include <array>
#include <utility>

namespace fontedit::window {
namespace {

constexpr std::array<ControlPlacement, 16> kOtherControls = {{
    {"Label3", ControlKind::Label, "文字", 4320, 360, 495, 255, 54},
    {"Text10", ControlKind::TextField, "", 4800, 240, 375, 375, 53},
    {"Label1", ControlKind::Label, "コード", 4320, 840, 495, 255, 49},
    {"Text9", ControlKind::TextField, "", 4800, 720, 375, 375, 48},
    {"Command9", ControlKind::Button, "←", 4320, 1200, 375, 375, 40},
    {"Command10", ControlKind::Button, "→", 4800, 1200, 375, 375, 41},
    {"Label2", ControlKind::Label, "ファイル", 4320, 1920, 975, 255, 51},
    {"Command11", ControlKind::Button, "読出し", 4320, 2160, 855, 375, 47},
    {"Command12", ControlKind::Button, "保存", 4320, 2640, 855, 375, 50},
    {"Command14", ControlKind::Button, "Cヘッダ生成", 4320, 3240, 855, 615, 55},
    {"Command13", ControlKind::Button, "終了", 4320, 4200, 855, 375, 52},
    {"Text1", ControlKind::TextField, "", 240, 4320, 375, 270, 42},
    {"Text2", ControlKind::TextField, "", 720, 4320, 375, 270, 43},
    {"Text3", ControlKind::TextField, "", 1200, 4320, 375, 270, 44},
    {"Text4", ControlKind::TextField, "", 1680, 4320, 375, 270, 45},
    {"Text5", ControlKind::TextField, "", 2160, 4320, 375, 270, 46},
}};

// The pixel buttons in tab order, as (column, row).
constexpr std::array<std::pair<int, int>, 40> kPixelTabOrder = {{
    {1, 0}, {2, 0}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4},
    {1, 5}, {1, 6}, {1, 7}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {3, 1},
    {4, 1}, {5, 1}, {3, 2}, {4, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}, {3, 4}, {4, 4},
    {5, 4}, {3, 5}, {4, 5}, {5, 5}, {3, 6}, {4, 6}, {5, 6}, {3, 7}, {4, 7}, {5, 7},
}};

constexpr std::array<std::string_view, 5> kPixelGroupNames = {"Command1", "Command2", "Command3",
                                                              "Command4", "Command5"};

constexpr int kPixelSize = 375, kPixelOrigin = 240, kPixelPitch = 480;

constexpr std::array<ControlPlacement, kPixelTabOrder.size() + kOtherControls.size()>
buildControls() {
    std::array<ControlPlacement, kPixelTabOrder.size() + kOtherControls.size()> controls{};
    for (std::size_t i = 0; i < kPixelTabOrder.size(); ++i) {
        const auto [column, row] = kPixelTabOrder[i];
        controls[i] = {kPixelGroupNames[column - 1],
                       ControlKind::PixelButton,
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

}  // namespace

std::span<const ControlPlacement> formControls() {
    return kControls;
}

QRect pixelRect(const ControlPlacement& control) {
    return {control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
            control.width / kTwipsPerPixel, control.height / kTwipsPerPixel};
}

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace fontedit::window
