#pragma once

// The editor's command line, read before the window system is touched, so that help, the
// version and a wrong directory need no display.
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace fontedit::window {

struct StartOptions {
    // Where the three font files live.
    std::filesystem::path directory;
    // What -platform and -display name, empty when not given; Qt reads them again itself.
    QString platform;
    QString display;
    // A general font's BDF file, given as such or as the font.bdf of a folder without the
    // classic font's files; the classic window opens `directory` when there is none.
    std::optional<std::filesystem::path> bitmapFont;
};

// The options to start with, or the exit status when the program has already done what was
// asked (help, version) or must not start (wrong usage, status 2; the message is printed).
// The arguments are argv's bytes: a folder's name need not be text in any encoding.
std::variant<StartOptions, int> readCommandLine(const std::vector<std::string>& raw);

}  // namespace fontedit::window
