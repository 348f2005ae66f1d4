#pragma once

// The program's font: for Japanese captions the desktop's Japanese sans-serif, for others the
// desktop's UI font, at the largest size up to the 9 points at 96 dpi the layout was drawn for
// at which every caption, in the window's language, and field text fits its fixed box (searched
// from the size at which the labels' captions fit).
#include <QFont>
#include <QRect>

#include "window/control_geometry.h"

class QStyle;

namespace fontedit::window {

// The widest texts the fields must show whole: a two-digit byte in a column field, a code,
// and a label of three letters, as the control characters' names are.
inline constexpr std::string_view kWidestByte = "FF";
inline constexpr std::string_view kWidestCode = "100";
inline constexpr std::string_view kWidestLabel = "DEL";

QFont captionFont(const QStyle& style);

// `font`, a pixel smaller at a time, until `caption` leaves a pixel of `width` free: text to
// the last pixel before the field a label names touches the field's frame.
QFont labelFont(QFont font, const QString& caption, int width);

// Where a control's text is drawn: all of a label, a button's contents, a field's text line.
// `box` is the control's rectangle in pixels.
QRect textArea(const QStyle& style, ControlKind kind, const QRect& box);

}  // namespace fontedit::window
