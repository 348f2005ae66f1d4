#pragma once

// Whether Qt will find somewhere to show the window; asked before QApplication exists,
// because Qt aborts the process when its platform cannot start.
#include <QString>

namespace fontedit::window {

struct DisplaySettings {
    QString platform;  // the platform plugin list as Qt takes it, e.g. "wayland;xcb"; may be empty
    QString xDisplay;
    QString waylandDisplay;
};

bool hasDisplay(const DisplaySettings& settings);

// The settings of this process: -platform and -display when given, else the environment.
DisplaySettings displaySettings(const QString& platformArgument, const QString& displayArgument);

}  // namespace fontedit::window
