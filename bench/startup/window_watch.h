#pragma once

// Watches the X server for a program's top-level window: the moment it is mapped (the root
// window reports the map of each of its children) and every paint that lands in it (damage
// reports on that window), each with a copy of the window's pixels at that moment.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace fontedit::bench {

class WindowWatch {
public:
    using Clock = std::chrono::steady_clock;

    // Connects to $DISPLAY; throws std::runtime_error without a display or the damage extension.
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // The moment the next top-level window (not an override-redirect popup) was mapped; from
    // then on the paints of that window are recorded.
    std::optional<Clock::time_point> waitForMap(std::chrono::milliseconds timeout);
    // Records the paints that arrive within `span`.
    void recordPaints(std::chrono::milliseconds span);
    // The first recorded paint after which the window looked as it looks now: the moment the
    // program had painted its window completely.
    std::optional<Clock::time_point> firstCompletePaint();
    // Stops watching the window and forgets its events.
    void release();

private:
    struct Paint {
        Clock::time_point time;
        std::string pixels;
    };

    std::string windowPixels();

    _XDisplay* display_;
    int damageEventBase_ = 0;
    unsigned long window_ = 0;
    unsigned long damage_ = 0;
    std::vector<Paint> paints_;
};

}  // namespace fontedit::bench
