#include "window/command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace fontedit::window {
namespace {

constexpr int kUsageStatus = 2;

// One line on standard error, so that a desktop launcher's log shows the whole of it.
int usageError(const QString& message) {
    std::fputs(qPrintable(QStringLiteral("fontedit: %1\n").arg(message)), stderr);
    return kUsageStatus;
}

}  // namespace

std::variant<StartOptions, int> readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own -platform and -display are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Edits the 96-glyph 5 x 8 bitmap font kept as \"fntdat.txt\" and \"mojidat.txt\" in DIR,\n"
        "and exports it there as \"font.h\". DIR defaults to the working directory."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption platform(QStringLiteral("platform"),
                                      QStringLiteral("Use the Qt platform plugin NAME."),
                                      QStringLiteral("NAME"));
    const QCommandLineOption display(QStringLiteral("display"),
                                     QStringLiteral("Show the window on the X display DISPLAY."),
                                     QStringLiteral("DISPLAY"));
    parser.addOptions({help, version, platform, display});
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("The directory of the font files."),
                                 QStringLiteral("[DIR]"));

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // Without a QCoreApplication the parser does not know the program's name.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("fontedit"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("fontedit " FONTEDIT_VERSION "\n", stdout);
        return 0;
    }
    const QStringList operands = parser.positionalArguments();
    if (operands.size() > 1) return usageError(QStringLiteral("more than one directory given"));

    StartOptions options{std::filesystem::current_path(), parser.value(platform),
                         parser.value(display)};
    if (!operands.isEmpty()) {
        options.directory = std::filesystem::absolute(operands.front().toStdString());
        std::error_code error;
        const auto status = std::filesystem::status(options.directory, error);
        if (!std::filesystem::exists(status)) {
            return usageError(QStringLiteral("'%1': no such directory").arg(operands.front()));
        }
        if (!std::filesystem::is_directory(status)) {
            return usageError(QStringLiteral("'%1': not a directory").arg(operands.front()));
        }
    }
    return options;
}

}  // namespace fontedit::window
