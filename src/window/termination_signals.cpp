#include "window/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace fontedit::window {
namespace {

// The handler may only write to a descriptor; the event loop reads the other end.
int signalSockets[2] = {-1, -1};

void onSignal(int number) {
    const auto byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = write(signalSockets[0], &byte, 1);
}

}  // namespace

void runBeforeTermination(QObject* parent, std::function<void()> beforeEnd) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent,
                     [beforeEnd = std::move(beforeEnd)] {
                         char number = 0;
                         if (read(signalSockets[1], &number, 1) != 1) return;
                         beforeEnd();
                         std::signal(number, SIG_DFL);
                         std::raise(number);
                     });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
    // A shell starts a command run in the background with these two ignored, so that the
    // terminal's keys reach only the foreground; that stays so.
    for (const int number : {SIGINT, SIGQUIT}) {
        struct sigaction before {};
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN) {
            sigaction(number, &action, nullptr);
        }
    }
}

}  // namespace fontedit::window
