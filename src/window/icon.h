#pragma once

// The program's icon, carried in the executable as a resource.
#include <QIcon>

namespace fontedit::window {

// One icon in three images: 32 x 32 in 16 colours, 32 x 32 in two colours, 16 x 16 in 16 colours.
QIcon programIcon();

}  // namespace fontedit::window
