#pragma once

// SIGTERM and SIGHUP (a logout) end the program only after `beforeEnd` ran in the event
// loop, where it may touch the editor; the process then ends as the signal would have ended it.
#include <functional>

class QObject;

namespace fontedit::window {

void runBeforeTermination(QObject* parent, std::function<void()> beforeEnd);

}  // namespace fontedit::window
