#include "window/language.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace fontedit::window {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// "en_GB.UTF-8@euro" without its codeset and modifier: "en_GB".
std::string_view languageAndTerritory(std::string_view locale) {
    return locale.substr(0, locale.find_first_of(".@"));
}

// The C locale speaks the program's own language, as gettext leaves its texts untranslated.
bool isCLocale(std::string_view locale) {
    const std::string_view name = languageAndTerritory(locale);
    return name.empty() || name == "C" || name == "POSIX";
}

std::optional<std::string> translationFor(std::string_view locale,
                                          const HasTranslation& hasTranslation) {
    const std::string_view withTerritory = languageAndTerritory(locale);
    const std::string_view language = withTerritory.substr(0, withTerritory.find('_'));
    if (isCLocale(locale) || language == kSourceLanguage) return std::string(kSourceLanguage);
    for (const std::string_view name : {withTerritory, language}) {
        if (hasTranslation(std::string(name))) return std::string(name);
    }
    return std::nullopt;
}

}  // namespace

LanguageSettings environmentLanguageSettings() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::string chosenLanguage(const LanguageSettings& settings, const HasTranslation& hasTranslation) {
    const std::string& locale = !settings.lcAll.empty()        ? settings.lcAll
                                : !settings.lcMessages.empty() ? settings.lcMessages
                                                               : settings.lang;
    if (isCLocale(locale)) return std::string(kSourceLanguage);
    std::vector<std::string_view> wanted;
    for (std::string_view list = settings.language; !list.empty();) {
        const std::size_t colon = std::min(list.find(':'), list.size());
        if (colon > 0) wanted.push_back(list.substr(0, colon));
        list.remove_prefix(std::min(colon + 1, list.size()));
    }
    wanted.push_back(locale);
    for (const std::string_view entry : wanted) {
        if (auto found = translationFor(entry, hasTranslation)) return *found;
    }
    return std::string(kSourceLanguage);
}

}  // namespace fontedit::window
