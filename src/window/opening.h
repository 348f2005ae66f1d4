#pragma once

// A font chosen in one kind of window that belongs in the other: the window of its kind takes
// the place of the one it was chosen in, each keeping its own recovery file and lock.
#include <filesystem>
#include <functional>

class QWidget;

namespace fontedit::window {

// The general window on the BDF file `font`, or the classic window on the folder `dir` with
// its font read, shown in place of `current` once it is made; `giveUp` then lets go of the
// work of `current`, whose user already agreed to that. A font that cannot be opened throws
// before `giveUp`, leaving `current` as it was.
void openGeneralInstead(QWidget& current, const std::filesystem::path& font,
                        const std::function<void()>& giveUp);
void openClassicInstead(QWidget& current, const std::filesystem::path& dir,
                        const std::function<void()>& giveUp);

}  // namespace fontedit::window
