// The language the window speaks, chosen from the environment as gettext chooses.
#include <QTest>

#include "window/language.h"

using fontedit::window::chosenLanguage;
using fontedit::window::LanguageSettings;

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void chosen_data() {
        QTest::addColumn<QString>("language");  // LANGUAGE
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("translations");
        QTest::addColumn<QString>("chosen");
        const QStringList en{"en"};
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << "" << en << "ja";
        QTest::newRow("C.UTF-8") << ""
                                 << ""
                                 << ""
                                 << "C.UTF-8" << en << "ja";
        QTest::newRow("POSIX") << ""
                               << ""
                               << ""
                               << "POSIX" << en << "ja";
        QTest::newRow("en_US.UTF-8") << ""
                                     << ""
                                     << ""
                                     << "en_US.UTF-8" << en << "en";
        QTest::newRow("en_GB, only en") << ""
                                        << ""
                                        << ""
                                        << "en_GB.UTF-8" << en << "en";
        QTest::newRow("en_GB, en_GB too") << ""
                                          << ""
                                          << ""
                                          << "en_GB.UTF-8" << QStringList{"en", "en_GB"} << "en_GB";
        QTest::newRow("codeset and modifier") << ""
                                              << ""
                                              << ""
                                              << "en_IE.ISO-8859-15@euro" << en << "en";
        QTest::newRow("ja_JP.UTF-8") << ""
                                     << ""
                                     << ""
                                     << "ja_JP.UTF-8" << en << "ja";
        QTest::newRow("no translation") << ""
                                        << ""
                                        << ""
                                        << "de_DE.UTF-8" << en << "ja";
        QTest::newRow("LC_MESSAGES over LANG") << ""
                                               << ""
                                               << "en_US.UTF-8"
                                               << "ja_JP.UTF-8" << en << "en";
        QTest::newRow("LC_ALL over LC_MESSAGES") << ""
                                                 << "ja_JP.UTF-8"
                                                 << "en_US.UTF-8"
                                                 << "en_US.UTF-8" << en << "ja";
        QTest::newRow("LC_ALL=C over LANG") << ""
                                            << "C"
                                            << ""
                                            << "en_US.UTF-8" << en << "ja";
        QTest::newRow("LANGUAGE over the locale") << "en"
                                                  << ""
                                                  << ""
                                                  << "ja_JP.UTF-8" << en << "en";
        QTest::newRow("LANGUAGE in the C locale") << "en"
                                                  << ""
                                                  << ""
                                                  << "C.UTF-8" << en << "ja";
        QTest::newRow("LANGUAGE without a locale") << "en"
                                                   << ""
                                                   << ""
                                                   << "" << en << "ja";
        QTest::newRow("first of LANGUAGE with a translation") << "de:en_AU:ja"
                                                              << ""
                                                              << ""
                                                              << "fr_FR.UTF-8" << en << "en";
        QTest::newRow("Japanese first in LANGUAGE") << "de:ja:en"
                                                    << ""
                                                    << ""
                                                    << "en_US.UTF-8" << en << "ja";
        QTest::newRow("C in LANGUAGE") << "C:en"
                                       << ""
                                       << ""
                                       << "en_US.UTF-8" << en << "ja";
        QTest::newRow("LANGUAGE without a translation, then the locale")
            << "de::fr"
            << ""
            << ""
            << "en_US.UTF-8" << en << "en";
    }

    void chosen() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QStringList, translations);
        QFETCH(QString, chosen);
        const LanguageSettings settings{language.toStdString(), lcAll.toStdString(),
                                        lcMessages.toStdString(), lang.toStdString()};
        const auto hasTranslation = [&translations](const std::string& candidate) {
            return translations.contains(QString::fromStdString(candidate));
        };
        QCOMPARE(QString::fromStdString(chosenLanguage(settings, hasTranslation)), chosen);
    }
};

QTEST_APPLESS_MAIN(LanguageTest)
#include "language_test.moc"
