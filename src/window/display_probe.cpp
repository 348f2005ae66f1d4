#include "window/display_probe.h"

#include <xcb/xcb.h>
#include <QStringList>
#include <QtGlobal>

#include "window/library_function.h"

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

// Without libxcb, Qt's xcb platform could not start either.
bool xServerAnswers(const QString& xDisplay) {
    constexpr const char* kXcb = "libxcb.so.1";
    const auto connect = libraryFunction<decltype(xcb_connect)>(kXcb, "xcb_connect");
    const auto hasError =
        libraryFunction<decltype(xcb_connection_has_error)>(kXcb, "xcb_connection_has_error");
    const auto disconnect = libraryFunction<decltype(xcb_disconnect)>(kXcb, "xcb_disconnect");
    if (connect == nullptr || hasError == nullptr || disconnect == nullptr) return false;
    xcb_connection_t* connection = connect(xDisplay.toLocal8Bit().constData(), nullptr);
    const bool answered = hasError(connection) == 0;
    disconnect(connection);
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
