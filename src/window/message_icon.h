#pragma once

// The icon of a message box from the desktop's icon theme, drawn for the screen's pixel ratio:
// the images Qt carries for a desktop without a theme are 32 pixels and blur when scaled up.
class QMessageBox;

namespace fontedit::window {

// Replaces the icon `box` was made with by the theme's, where the theme has one, drawn with as
// many pixels as the screen shows it in.
void showThemeIcon(QMessageBox& box);

}  // namespace fontedit::window
