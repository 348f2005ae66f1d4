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
inline constexpr std::string_view kFormCaption = QT_TRANSLATE_NOOP("Layout", "8x8フォントエディタ");

enum class ControlKind { Label, TextField, Button, PixelButton };

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    // Labels and buttons only, marked for lupdate in the context "Layout"; a text field shows
    // the text of its editor field.
    std::string_view caption;
    int left, top, width, height;  // twips
    int tabIndex;
    // Pixel buttons only: glyph column 1-5 and row (the button's Index) 0-7.
    int column = 0;
    int row = 0;
};

// Every control of Form1: the 40 pixel buttons and the 16 others.
std::span<const ControlSpec> formControls();

// A control's place and size in pixels at 96 dots per inch.
QRect pixelRect(const ControlSpec& control);
// A caption of the layout, or the window's title, in the window's language.
QString captionText(std::string_view caption);
// A name of the layout as Qt text.
QString qtText(std::string_view text);

}  // namespace fontedit::window
