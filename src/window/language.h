#pragma once

// The language the window speaks, chosen from the environment as gettext chooses a catalogue:
// Japanese, the language the program is written in, unless the user's settings ask for one
// that has a translation. Plain C++, so that a table can try it without a display.
#include <functional>
#include <string>
#include <string_view>

namespace fontedit::window {

// The language of the texts in the code, which needs no translation.
inline constexpr std::string_view kSourceLanguage = "ja";

// The variables that choose the language of messages; empty when not set.
struct LanguageSettings {
    std::string language;    // LANGUAGE, a list such as "en_GB:en"
    std::string lcAll;       // LC_ALL
    std::string lcMessages;  // LC_MESSAGES
    std::string lang;        // LANG
};

LanguageSettings environmentLanguageSettings();

// Whether the program has a translation into a language such as "en" or "en_GB".
using HasTranslation = std::function<bool(const std::string& language)>;

// The locale for messages is LC_ALL, else LC_MESSAGES, else LANG. In the C and POSIX locales
// (also when none is set) the answer is Japanese; otherwise the first entry of LANGUAGE, then
// the locale itself, that names Japanese or a language with a translation, tried with its
// territory ("en_GB") before without ("en"). Japanese when none does.
std::string chosenLanguage(const LanguageSettings& settings, const HasTranslation& hasTranslation);

}  // namespace fontedit::window
