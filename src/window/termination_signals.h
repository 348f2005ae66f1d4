#pragma once

// SIGTERM, SIGHUP (a logout), SIGINT and SIGQUIT (Ctrl+C and Ctrl+\ in the terminal it was
// started from) end the program only after `beforeEnd` ran in the event loop, where it may touch
// the editor; the process then ends as the signal would have ended it.
#include <functional>

class QObject;

namespace fontedit::window {

void runBeforeTermination(QObject* parent, std::function<void()> beforeEnd);

}  // namespace fontedit::window
