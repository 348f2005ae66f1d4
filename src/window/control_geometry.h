#pragma once

// The controls of Form1 as the design lays them out: one row per control, in twips.
#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <array>
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

// Each control of the design: its name, which its widget carries as its object name, and its
// kind; one row an enumerator, in their order.
struct ControlRow {
    ControlId id;
    std::string_view name;
    ControlKind kind;
};

inline constexpr std::array kControlRows = {
    ControlRow{ControlId::Command1, "Command1", ControlKind::PixelButton},
    ControlRow{ControlId::Command2, "Command2", ControlKind::PixelButton},
    ControlRow{ControlId::Command3, "Command3", ControlKind::PixelButton},
    ControlRow{ControlId::Command4, "Command4", ControlKind::PixelButton},
    ControlRow{ControlId::Command5, "Command5", ControlKind::PixelButton},
    ControlRow{ControlId::Command9, "Command9", ControlKind::Button},
    ControlRow{ControlId::Command10, "Command10", ControlKind::Button},
    ControlRow{ControlId::Command11, "Command11", ControlKind::Button},
    ControlRow{ControlId::Command12, "Command12", ControlKind::Button},
    ControlRow{ControlId::Command13, "Command13", ControlKind::Button},
    ControlRow{ControlId::Command14, "Command14", ControlKind::Button},
    ControlRow{ControlId::Label1, "Label1", ControlKind::Label},
    ControlRow{ControlId::Label2, "Label2", ControlKind::Label},
    ControlRow{ControlId::Label3, "Label3", ControlKind::Label},
    ControlRow{ControlId::Text1, "Text1", ControlKind::TextField},
    ControlRow{ControlId::Text2, "Text2", ControlKind::TextField},
    ControlRow{ControlId::Text3, "Text3", ControlKind::TextField},
    ControlRow{ControlId::Text4, "Text4", ControlKind::TextField},
    ControlRow{ControlId::Text5, "Text5", ControlKind::TextField},
    ControlRow{ControlId::Text9, "Text9", ControlKind::TextField},
    ControlRow{ControlId::Text10, "Text10", ControlKind::TextField},
};

inline constexpr int kControlIdCount = static_cast<int>(kControlRows.size());
static_assert(
    [] {
        for (int n = 0; n < kControlIdCount; ++n) {
            if (kControlRows[n].id != static_cast<ControlId>(n)) return false;
        }
        return true;
    }(),
    "kControlRows holds one row an enumerator, in their order");

constexpr std::string_view controlName(ControlId id) {
    return kControlRows[static_cast<std::size_t>(id)].name;
}

constexpr ControlKind controlKind(ControlId id) {
    return kControlRows[static_cast<std::size_t>(id)].kind;
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
