#pragma once

// The controls of Form1 as the design lays them out: one row per control, in twips.
#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <optional>
#include <span>
#include <string_view>

namespace fontedit::window {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 5610;
inline constexpr int kClientHeightTwips = 4935;
inline constexpr std::string_view kFormCaption = QT_TRANSLATE_NOOP("Layout", "8x8フォントエディタ");

// The controls of Form1 by the design's names. Command1 ... Command5 are the pixel buttons, one
// control array a glyph column, whose eight buttons are told apart by their Index, the row.
enum class ControlId {
    Command1,
    Command2,
    Command3,
    Command4,
    Command5,
    Command9,
    Command10,
    Command11,
    Command12,
    Command13,
    Command14,
    Label1,
    Label2,
    Label3,
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text9,
    Text10,
};

enum class ControlKind { Label, TextField, Button, PixelButton };

// A control's name in the design, which its widget carries as its object name; empty for a
// value that is no enumerator.
constexpr std::string_view controlName(ControlId id) {
    switch (id) {
        case ControlId::Command1:
            return "Command1";
        case ControlId::Command2:
            return "Command2";
        case ControlId::Command3:
            return "Command3";
        case ControlId::Command4:
            return "Command4";
        case ControlId::Command5:
            return "Command5";
        case ControlId::Command9:
            return "Command9";
        case ControlId::Command10:
            return "Command10";
        case ControlId::Command11:
            return "Command11";
        case ControlId::Command12:
            return "Command12";
        case ControlId::Command13:
            return "Command13";
        case ControlId::Command14:
            return "Command14";
        case ControlId::Label1:
            return "Label1";
        case ControlId::Label2:
            return "Label2";
        case ControlId::Label3:
            return "Label3";
        case ControlId::Text1:
            return "Text1";
        case ControlId::Text2:
            return "Text2";
        case ControlId::Text3:
            return "Text3";
        case ControlId::Text4:
            return "Text4";
        case ControlId::Text5:
            return "Text5";
        case ControlId::Text9:
            return "Text9";
        case ControlId::Text10:
            return "Text10";
    }
    return {};
}

// How many controls there are: the enumerators run from 0 without a gap, and controlName, whose
// switch the compiler checks to be complete, names each of them and nothing past them.
inline constexpr int kControlIdCount = [] {
    int count = 0;
    while (!controlName(static_cast<ControlId>(count)).empty()) ++count;
    return count;
}();

constexpr ControlKind controlKind(ControlId id) {
    switch (id) {
        case ControlId::Command1:
        case ControlId::Command2:
        case ControlId::Command3:
        case ControlId::Command4:
        case ControlId::Command5:
            return ControlKind::PixelButton;
        case ControlId::Command9:
        case ControlId::Command10:
        case ControlId::Command11:
        case ControlId::Command12:
        case ControlId::Command13:
        case ControlId::Command14:
            return ControlKind::Button;
        case ControlId::Label1:
        case ControlId::Label2:
        case ControlId::Label3:
            return ControlKind::Label;
        case ControlId::Text1:
        case ControlId::Text2:
        case ControlId::Text3:
        case ControlId::Text4:
        case ControlId::Text5:
        case ControlId::Text9:
        case ControlId::Text10:
            return ControlKind::TextField;
    }
    return ControlKind::Label;
}

// The field a label stands beside, which takes the label's caption as its name for screen
// readers; none for ファイル, which heads buttons that have captions of their own.
constexpr std::optional<ControlId> fieldNamedBy(ControlId label) {
    switch (label) {
        case ControlId::Label1:
            return ControlId::Text9;
        case ControlId::Label3:
            return ControlId::Text10;
        default:
            return std::nullopt;
    }
}

// Where one control sits on Form1, with its caption and tab index.
struct ControlPlacement {
    ControlId id;
    // Labels and buttons only, marked for lupdate in the context "Layout"; a text field shows
    // the text of its editor field.
    std::string_view caption;
    int left, top, width, height;  // twips
    int tabIndex;
    // Pixel buttons and column fields: glyph column 1-5; pixel buttons: row (the button's
    // Index) 0-7.
    int column = 0;
    int row = 0;

    constexpr std::string_view name() const { return controlName(id); }
    constexpr ControlKind kind() const { return controlKind(id); }
};

// Every control of Form1: the 40 pixel buttons and the 16 others.
std::span<const ControlPlacement> formControls();

// A control's place and size in pixels at 96 dots per inch.
QRect pixelRect(const ControlPlacement& control);
// A caption or name of the layout as Qt text.
QString qtText(std::string_view text);
// A caption of the layout, or the window's title, in the window's language.
QString captionText(std::string_view caption);

}  // namespace fontedit::window
