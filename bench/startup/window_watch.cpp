#include "bench/startup/window_watch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <stdexcept>

namespace fontedit::bench {

namespace {

// Blocks until the connection has something to read or `until` has passed.
void awaitEvents(Display* display, WindowWatch::Clock::time_point until) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(until - WindowWatch::Clock::now());
    if (left.count() <= 0) return;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
}

}  // namespace

WindowWatch::WindowWatch() : display_(XOpenDisplay(nullptr)) {
    if (!display_) throw std::runtime_error("cannot open the X display");
    int errorBase = 0, major = 1, minor = 1;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase) ||
        !XDamageQueryVersion(display_, &major, &minor)) {
        XCloseDisplay(display_);
        throw std::runtime_error("the X server has no damage extension");
    }
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

WindowWatch::~WindowWatch() {
    XCloseDisplay(display_);
}

std::optional<WindowWatch::Clock::time_point> WindowWatch::waitForMap(
    std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type != MapNotify || event.xmap.override_redirect) continue;
            const auto mapped = Clock::now();
            window_ = event.xmap.window;
            // Made at once: the program cannot paint before it has seen its expose.
            damage_ = XDamageCreate(display_, window_, XDamageReportNonEmpty);
            XFlush(display_);
            return mapped;
        }
        awaitEvents(display_, deadline);
    }
    return std::nullopt;
}

void WindowWatch::recordPaints(std::chrono::milliseconds span) {
    const auto until = Clock::now() + span;
    while (Clock::now() < until) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type != damageEventBase_ + XDamageNotify) continue;
            const auto time = Clock::now();
            // Emptied, so that the next paint reports again.
            XDamageSubtract(display_, damage_, None, None);
            paints_.push_back({time, windowPixels()});
        }
        awaitEvents(display_, until);
    }
}

std::optional<WindowWatch::Clock::time_point> WindowWatch::firstCompletePaint() {
    const std::string final = windowPixels();
    for (const Paint& paint : paints_) {
        if (paint.pixels == final) return paint.time;
    }
    return std::nullopt;
}

void WindowWatch::release() {
    // Sent while the window still exists; it would fail once the program has ended.
    if (damage_ != 0) XDamageDestroy(display_, damage_);
    XSync(display_, True);
    damage_ = 0;
    window_ = 0;
    paints_.clear();
}

std::string WindowWatch::windowPixels() {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window_, &attributes)) return {};
    XImage* image =
        XGetImage(display_, window_, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) return {};
    std::string pixels(image->data,
                       static_cast<std::size_t>(image->bytes_per_line) * image->height);
    XDestroyImage(image);
    return pixels;
}

}  // namespace fontedit::bench
