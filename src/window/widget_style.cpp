#include "window/widget_style.h"

#include <QApplication>

#include "window/caption_font.h"

namespace fontedit::window {

void pinLook() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Application-wide: a QLineEdit lays out its text once in the application's font while it
    // is being built, and a font of its own would be one more to load and fall back from.
    QApplication::setFont(captionFont(*QApplication::style()));
}

}  // namespace fontedit::window
