#pragma once

// The window's translations, built into the program from translations/fontedit_<language>.ts,
// so that it finds them alike in the build tree and installed.
#include <QTranslator>
#include <memory>
#include <string>

namespace fontedit::window {

// The translation into `language`, such as "en"; none for Japanese, which the code is written
// in, nor for a language without a translation.
std::unique_ptr<QTranslator> translatorInto(const std::string& language);

// Qt's own translation into `language`, for its dialogs' captions ("Look in", "File name"), as
// Debian's qt6-translations-l10n installs it; none where it is not installed.
std::unique_ptr<QTranslator> qtTranslatorInto(const std::string& language);

// The window's translation and Qt's, each none where there is none.
struct InstalledLanguage {
    std::unique_ptr<QTranslator> window;
    std::unique_ptr<QTranslator> qt;
};

// Installs the translations into the language the environment chooses, the window's and
// Qt's; they are used while the translators returned live.
InstalledLanguage installUsersLanguage();

// The language the window speaks: the one the translation in use names itself, or Japanese
// when none is.
std::string windowLanguage();

}  // namespace fontedit::window
