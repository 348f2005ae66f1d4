#pragma once

// The controls of Form1 as the design lays them out: one row per control, in twips.
#include <QRect>
#include <QString>
#include <span>
#include <string_view>

namespace fontedit::window {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 5610;
inline constexpr int kClientHeightTwips = 4935;
inline constexpr std::string_view kFormCaption = "8x8フォントエディタ";

enum class ControlKind { Label, TextField, Button, PixelButton };

struct ControlPlacement {
    std::string_view name;
    ControlKind kind;
    // Labels and buttons only; a text field shows the text of its editor field.
    std::string_view caption;
    int left, top, width, height;  // twips
    int tabIndex;
    // Pixel buttons only: glyph column 1-5 and row (the button's Index) 0-7.
    int column = 0;
    int row = 0;
};

// Every control of Form1: the 40 pixel buttons and the 16 others.
std::span<const ControlPlacement> formControls();

// A control's place and size in pixels at 96 dots per inch.
QRect pixelRect(const ControlPlacement& control);
// A caption or name of the layout as Qt text.
QString qtText(std::string_view text);

}  // namespace fontedit::window
