// The program's command line and start-up checks, run as a user runs them: the exit status
// and what is printed, before any window could open.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <variant>
#include <vector>

#include "document/font_document.h"
#include "window/command_line.h"
#include "window/display_probe.h"

using fontedit::window::DisplaySettings;

class CommandLineTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir scratch_;

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        QFile file(scratch_.filePath(QStringLiteral("fntdat.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        // Added to an environment without DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM.
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderrLine");
        const QString file = scratch_.filePath(QStringLiteral("fntdat.txt"));
        const QStringList x11{QStringLiteral("DISPLAY=:99")};
        QTest::newRow("--help") << QStringList{"--help"} << QStringList{} << 0
                                << "Usage: fontedit [options] [DIR|FILE.bdf]\n"
                                << QString();
        QTest::newRow("--version")
            << QStringList{"--version"} << QStringList{} << 0 << "fontedit " << QString();
        QTest::newRow("missing directory")
            << QStringList{"/nonexistent/fontedit"} << x11 << 2 << QString()
            << "fontedit: '/nonexistent/fontedit': no such directory";
        QTest::newRow("file as directory")
            << QStringList{file} << x11 << 2 << QString()
            << QStringLiteral("fontedit: '%1': not a directory or a .bdf file").arg(file);
        QTest::newRow("missing directory with a control character")
            << QStringList{"/nonexistent/\x1b[2J"} << x11 << 2 << QString()
            << "fontedit: '/nonexistent/\\x1B[2J': no such directory";
        QTest::newRow("missing directory, no display")
            << QStringList{"/nonexistent/fontedit"} << QStringList{} << 2 << QString()
            << "fontedit: '/nonexistent/fontedit': no such directory";
        QTest::newRow("two directories") << QStringList{"/", "/"} << x11 << 2 << QString()
                                         << "fontedit: more than one directory given";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << x11 << 2 << QString()
                                        << "fontedit: Unknown option 'frobnicate'.";
        const QString noDisplay = QStringLiteral("fontedit: no display to show the window on");
        QTest::newRow("no display")
            << QStringList{} << QStringList{} << 1 << QString() << noDisplay;
        QTest::newRow("xcb without DISPLAY")
            << QStringList{scratch_.path()} << QStringList{"QT_QPA_PLATFORM=xcb"} << 1 << QString()
            << noDisplay;
        QTest::newRow("DISPLAY with no server behind it")
            << QStringList{scratch_.path()} << QStringList{"DISPLAY=:4711"} << 1 << QString()
            << noDisplay;
        QTest::newRow("-platform wayland without WAYLAND_DISPLAY")
            << QStringList{"-platform", "wayland"} << x11 << 1 << QString() << noDisplay;
    }

    void exitStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderrLine);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QString::fromLatin1(name));
        }
        for (const QString& setting : environment) {
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(FONTEDIT_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(out.startsWith(stdoutStart), qPrintable(out));
        QCOMPARE(out.isEmpty(), stdoutStart.isEmpty());
        QCOMPARE(err, stderrLine.isEmpty() ? QString() : stderrLine + u'\n');
    }

    // A folder whose absolute path is longer than PATH_MAX is opened, as the working directory
    // or as ".", and the window's document reads and writes there.
    void folderPastPathMax() {
        const int start = open(".", O_RDONLY | O_DIRECTORY);
        QVERIFY(start >= 0);
        QVERIFY(chdir(QFile::encodeName(scratch_.path()).constData()) == 0);
        const std::string name(200, 'd');
        int depth = 0;
        for (; depth * (name.size() + 1) <= PATH_MAX; ++depth) {
            QVERIFY(mkdir(name.c_str(), 0700) == 0 && chdir(name.c_str()) == 0);
        }
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"fontedit"}, std::vector<std::string>{"fontedit", "."}}) {
            const auto read = fontedit::window::readCommandLine(arguments);
            QVERIFY2(std::holds_alternative<fontedit::window::StartOptions>(read),
                     arguments.back().c_str());
            fontedit::editing::Editor editor;
            fontedit::document::FontDocument document(
                editor, std::get<fontedit::window::StartOptions>(read).directory);
            document.save();
            document.read();
        }
        for (; depth > 0; --depth) {
            for (const char* file : {"fntdat.txt", "mojidat.txt"}) unlink(file);
            QVERIFY(chdir("..") == 0 && rmdir(name.c_str()) == 0);
        }
        QVERIFY(fchdir(start) == 0);
        close(start);
    }

    // Qt tries the plugins of a list in turn, so one usable plugin is enough.
    void displayFromPlatformList_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("xDisplay");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<bool>("found");
        QTest::newRow("default, X") << ""
                                    << ":0"
                                    << "" << true;
        QTest::newRow("default, Wayland") << ""
                                          << ""
                                          << "wayland-0" << true;
        QTest::newRow("wayland;xcb, X") << "wayland;xcb"
                                        << ":0"
                                        << "" << true;
        QTest::newRow("wayland, X only") << "wayland"
                                         << ":0"
                                         << "" << false;
        QTest::newRow("xcb with arguments") << "xcb:nogl"
                                            << ":0"
                                            << "" << true;
        QTest::newRow("offscreen") << "offscreen"
                                   << ""
                                   << "" << true;
    }

    void displayFromPlatformList() {
        QFETCH(QString, platform);
        QFETCH(QString, xDisplay);
        QFETCH(QString, waylandDisplay);
        QFETCH(bool, found);
        const auto anyServerAnswers = [](const QString&) { return true; };
        QCOMPARE(fontedit::window::hasDisplay(DisplaySettings{platform, xDisplay, waylandDisplay},
                                              anyServerAnswers),
                 found);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
