#pragma once

// The look the program pins whatever the desktop: the Fusion style and the caption font, set
// on the application before any widget exists, so that no widget lays out text in another font.
namespace fontedit::window {

void pinLook();

}  // namespace fontedit::window
