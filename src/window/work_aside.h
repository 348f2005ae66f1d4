#pragma once

// Work too slow for the window's thread, such as a long import, runs on a thread of its own
// while the window goes on answering: input, repaints and signals alike. After 0.3 s a
// progress dialog shows, with Cancel; cancelled work is left to end by itself and what it
// made is dropped.
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QWidget;

namespace fontedit::window {

// Runs `work` aside and waits for it in an event loop of its own; true once it ended, false
// when cancelled or when the program is leaving.
bool runAside(QWidget* parent, const QString& label, std::function<void()> work);

// Whether work left running after a cancel still runs; the program ends without waiting for it.
bool workLeftRunning();

// What `work` returns, or nothing when cancelled; its failure is thrown again here.
template <class T>
std::optional<T> resultAside(QWidget* parent, const QString& label, std::function<T()> work) {
    struct Outcome {
        std::optional<T> value;
        std::exception_ptr failure;
    };
    auto outcome = std::make_shared<Outcome>();
    const bool ended = runAside(parent, label, [outcome, work = std::move(work)] {
        try {
            outcome->value = work();
        } catch (...) {
            outcome->failure = std::current_exception();
        }
    });
    if (!ended) return std::nullopt;
    if (outcome->failure) std::rethrow_exception(outcome->failure);
    return std::move(outcome->value);
}

}  // namespace fontedit::window
