#pragma once

// The look the program pins whatever the desktop: the Fusion style and the caption font, set
// on the application before any widget exists, so that no widget lays out text in another font.
#include <QColor>

#include "state/pixels.h"

namespace fontedit::window {

// A lit dot wherever the window draws one. The design's &H0008FF&, which the window system reads
// with red in the low byte: red 255, green 8, blue 0, #FF0800.
inline constexpr QRgb kLitColour =
    qRgb(state::LitColour::red, state::LitColour::green, state::LitColour::blue);

void pinLook();

}  // namespace fontedit::window
