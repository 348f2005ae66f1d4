#pragma once

// Whether Qt will find somewhere to show the window; asked before QApplication exists,
// because Qt aborts the process when its platform cannot start.
#include <QString>
#include <functional>

namespace fontedit::window {

struct DisplaySettings {
    QString platform;  // the platform plugin list as Qt takes it, e.g. "wayland;xcb"; may be empty
    QString xDisplay;
    QString waylandDisplay;
};

// `xServerAnswers` tells whether an X server accepts a connection on a display; a display
// named in the environment may have no server behind it.
bool hasDisplay(const DisplaySettings& settings,
                const std::function<bool(const QString& xDisplay)>& xServerAnswers);

// Connects to the X server of `xDisplay` and hangs up at once.
bool xServerAnswers(const QString& xDisplay);

// The settings of this process: -platform and -display when given, else the environment.
DisplaySettings displaySettings(const QString& platformArgument, const QString& displayArgument);

}  // namespace fontedit::window
