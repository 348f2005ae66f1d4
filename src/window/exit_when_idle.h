#pragma once

// For counting the instructions of a start: with FONTEDIT_EXIT_WHEN_IDLE=MILLISECONDS in the
// environment, the process ends, tearing nothing down, once `window` has painted and then not
// repainted for that long. Without the variable nothing is watched.
class QWidget;

namespace fontedit::window {

void exitWhenIdleIfAsked(QWidget& window);

}  // namespace fontedit::window
