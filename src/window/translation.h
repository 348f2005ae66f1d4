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

// Installs the translation into the language the environment chooses; it is used while the
// translator returned lives.
std::unique_ptr<QTranslator> installUsersLanguage();

// The language the window speaks: the one the translation in use names itself, or Japanese
// when none is.
std::string windowLanguage();

}  // namespace fontedit::window
