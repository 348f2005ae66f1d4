#include "window/display_probe.h"

#include <QStringList>
#include <QtGlobal>

namespace fontedit::window {

bool hasDisplay(const DisplaySettings& settings) {
    if (settings.platform.isEmpty()) {
        return !settings.xDisplay.isEmpty() || !settings.waylandDisplay.isEmpty();
    }
    // Qt tries the plugins in turn; a plugin name may carry arguments after a colon.
    for (const QString& entry : settings.platform.split(u';', Qt::SkipEmptyParts)) {
        const QString plugin = entry.section(u':', 0, 0);
        if (plugin == u"xcb") {
            if (!settings.xDisplay.isEmpty()) return true;
        } else if (plugin.startsWith(u"wayland")) {
            if (!settings.waylandDisplay.isEmpty()) return true;
        } else {
            // offscreen, vnc, eglfs and the like draw without a display server to look for.
            return true;
        }
    }
    return false;
}

DisplaySettings displaySettings(const QString& platformArgument, const QString& displayArgument) {
    return {
        platformArgument.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformArgument,
        displayArgument.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayArgument,
        qEnvironmentVariable("WAYLAND_DISPLAY"),
    };
}

}  // namespace fontedit::window
