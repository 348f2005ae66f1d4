#include "window/display_probe.h"

#include <xcb/xcb.h>
#include <QStringList>
#include <QtGlobal>

namespace fontedit::window {

bool hasDisplay(const DisplaySettings& settings,
                const std::function<bool(const QString& xDisplay)>& xServerAnswers) {
    const auto xServer = [&] {
        return !settings.xDisplay.isEmpty() && xServerAnswers(settings.xDisplay);
    };
    if (settings.platform.isEmpty()) return !settings.waylandDisplay.isEmpty() || xServer();
    // Qt tries the plugins in turn; a plugin name may carry arguments after a colon.
    for (const QString& entry : settings.platform.split(u';', Qt::SkipEmptyParts)) {
        const QString plugin = entry.section(u':', 0, 0);
        if (plugin == u"xcb") {
            if (xServer()) return true;
        } else if (plugin.startsWith(u"wayland")) {
            if (!settings.waylandDisplay.isEmpty()) return true;
        } else {
            // offscreen, vnc, eglfs and the like draw without a display server to look for.
            return true;
        }
    }
    return false;
}

bool xServerAnswers(const QString& xDisplay) {
    xcb_connection_t* connection = xcb_connect(xDisplay.toLocal8Bit().constData(), nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answered;
}

DisplaySettings displaySettings(const QString& platformArgument, const QString& displayArgument) {
    return {
        platformArgument.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformArgument,
        displayArgument.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayArgument,
        qEnvironmentVariable("WAYLAND_DISPLAY"),
    };
}

}  // namespace fontedit::window
