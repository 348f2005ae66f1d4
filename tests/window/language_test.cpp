// The language the window speaks, chosen from the environment as gettext chooses, and the
// failures it tells in that language.
#include <QDir>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "messages/catalogue.h"
#include "messages/worded.h"
#include "window/failure_message.h"
#include "window/language.h"
#include "window/translation.h"

using fontedit::window::chosenLanguage;
using fontedit::window::LanguageSettings;
namespace messages = fontedit::messages;
namespace state = fontedit::state;

namespace {

// Every number a cause could have; those that name none are worded as a failed action.
constexpr int kCauseNumbers = 2000;

}  // namespace

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

    // The window takes each failure's sentence from the catalogue in the language of the
    // translation installed: in English the CLI's, in Japanese naming the folder.
    void failureInTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("cause");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        const int missing = int(state::Cause::FileNotFound);
        const int notPrivate = int(state::Cause::FolderNotPrivate);
        QTest::newRow("ja") << "ja" << missing << "fonts/mojidat.txt"
                            << "エラー 53: フォルダ fonts のファイル mojidat.txt が見つかりません";
        QTest::newRow("en") << "en" << missing << "fonts/mojidat.txt"
                            << "Error 53: fonts/mojidat.txt: no such file";
        QTest::newRow("ja, a folder named once")
            << "ja" << notPrivate << "/home/me/.local/state/fontedit"
            << "エラー 1011: フォルダ /home/me/.local/state/fontedit は他人のものか、"
               "他人が書き込めます。復元ファイルは残しません";
        QTest::newRow("en, a folder named once")
            << "en" << notPrivate << "/home/me/.local/state/fontedit"
            << "Error 1011: /home/me/.local/state/fontedit: the folder belongs to another user "
               "or others may write to it; no recovery file is kept";
    }

    void failureInTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(int, cause);
        QFETCH(QString, file);
        QFETCH(QString, shown);
        const auto translation = fontedit::window::translatorInto(language.toStdString());
        if (translation) QCoreApplication::installTranslator(translation.get());
        QCOMPARE(fontedit::window::failureMessage(state::Failure(static_cast<state::Cause>(cause),
                                                                 {.file = file.toStdString()})),
                 shown);
        const bool english = language == QLatin1String("en");
        for (int number = 0; number < kCauseNumbers; ++number) {
            const state::Failure failure(static_cast<state::Cause>(number),
                                         {.file = "fonts/mojidat.txt", .line = 3, .value = "x"});
            const std::string sentence = english ? messages::englishMessage(failure)
                                                 : messages::worded(failure, messages::japanese);
            QCOMPARE(fontedit::window::failureMessage(failure),
                     (english ? QStringLiteral("Error %1: %2") : QStringLiteral("エラー %1: %2"))
                         .arg(number)
                         .arg(QString::fromStdString(sentence)));
        }
    }

    // Qt's own dialogs speak the window's language too, from Debian's qt6-translations-l10n.
    void qtDialogsInTheWindowsLanguage() {
        const auto japanese = fontedit::window::qtTranslatorInto("ja");
        QVERIFY(japanese);
        QCoreApplication::installTranslator(japanese.get());
        const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
        QCoreApplication::removeTranslator(japanese.get());
        QVERIFY2(lookIn != QLatin1String("Look in:"), qPrintable(lookIn));
        QVERIFY(!fontedit::window::qtTranslatorInto("xx"));
    }

    // The translations hold the window's own captions and no wording of the catalogue, which
    // a second copy would let drift apart from the CLI's.
    void translationsHoldNoFailureText() {
        QSet<QString> wordings;
        const auto add = [&wordings](const messages::Wording& wording) {
            wordings << QString::fromUtf8(wording.japanese) << QString::fromUtf8(wording.english);
        };
        for (int number = 0; number < kCauseNumbers; ++number) {
            add(messages::wordingOf(static_cast<state::Cause>(number)));
        }
        for (int phrase = 0; phrase <= static_cast<int>(messages::Phrase::LosingGlyphs); ++phrase) {
            add(messages::wordingOf(static_cast<messages::Phrase>(phrase)));
        }
        for (int note = 0; note <= static_cast<int>(messages::Note::HeaderEmptyCells); ++note) {
            add(messages::wordingOf(static_cast<messages::Note>(note)));
        }
        const QDir folder(QStringLiteral(FONTEDIT_TRANSLATIONS));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")});
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader reader(&file);
            while (!reader.atEnd()) {
                reader.readNext();
                if (reader.isStartElement() && (reader.name() == QLatin1String("source") ||
                                                reader.name() == QLatin1String("translation"))) {
                    const QString text = reader.readElementText();
                    QVERIFY2(!wordings.contains(text),
                             qPrintable(name + QStringLiteral(": ") + text));
                }
            }
            QVERIFY2(!reader.hasError(),
                     qPrintable(name + QStringLiteral(": ") + reader.errorString()));
        }
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "language_test.moc"
