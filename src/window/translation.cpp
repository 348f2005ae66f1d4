#include "window/translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

#include "window/language.h"

// The translations live in a static library, whose resource table the linker keeps only when
// something refers to it; as for the icons, Q_INIT_RESOURCE is that reference.
static void loadTranslationResources() {
    Q_INIT_RESOURCE(translations);
}

namespace fontedit::window {
namespace {

QString translationFile(const std::string& language) {
    return QStringLiteral(":/translations/fontedit_%1.qm").arg(QString::fromStdString(language));
}

}  // namespace

std::unique_ptr<QTranslator> translatorInto(const std::string& language) {
    if (language == kSourceLanguage) return nullptr;
    loadTranslationResources();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(translationFile(language))) return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> qtTranslatorInto(const std::string& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    return translator;
}

// Japanese, the usual choice, loads none of the window's own: the resources are not even
// looked at. Qt's dialogs are English unless told otherwise, so theirs is loaded for Japanese
// too.
InstalledLanguage installUsersLanguage() {
    const std::string language =
        chosenLanguage(environmentLanguageSettings(), [](const std::string& candidate) {
            loadTranslationResources();
            return QFile::exists(translationFile(candidate));
        });
    InstalledLanguage installed{translatorInto(language), qtTranslatorInto(language)};
    for (QTranslator* translator : {installed.window.get(), installed.qt.get()}) {
        if (translator) QCoreApplication::installTranslator(translator);
    }
    return installed;
}

// Each translation names its own language in this caption, as Qt's own name their layout
// direction, so that whoever installed it the window knows.
std::string windowLanguage() {
    //: This translation's language, as its file names it: "en" in fontedit_en.ts.
    return QCoreApplication::translate("Language", "ja").toStdString();
}

}  // namespace fontedit::window
