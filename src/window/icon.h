#pragma once

// The program's icon, carried in the executable as a resource.
#include <QIcon>

class QWidget;

namespace fontedit::window {

// One icon in three images: 32 x 32 in 16 colours, 32 x 32 in two colours, 16 x 16 in 16 colours.
QIcon programIcon();

// Gives `window` the program's icon once it has painted for the first time: decoding the images
// before would hold up the first sight of the window, and window managers follow an icon set late.
void setIconAfterFirstPaint(QWidget& window);

}  // namespace fontedit::window
