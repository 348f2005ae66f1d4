#include "window/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <algorithm>
#include <climits>
#include <cstdio>

#include "document/bitmap_document.h"
#include "state/failure.h"

namespace fontedit::window {
namespace {

constexpr int kUsageStatus = 2;

// One line on standard error, so that a desktop launcher's log shows the whole of it; all
// that came from the command line is escaped by the caller.
int usageError(const std::string& message) {
    std::fprintf(stderr, "fontedit: %s\n", message.c_str());
    return kUsageStatus;
}

// Help and version are the program's output: lost, they are a failure.
int printed(const QByteArray& text) {
    if (std::fputs(text.constData(), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    std::fputs("fontedit: standard output: write error\n", stderr);
    return 1;
}

// The folder by its absolute path, or, where that is longer than the system takes in one
// name, as given from the working directory, as the CLI reaches it.
std::filesystem::path reachable(const std::filesystem::path& given) {
    std::filesystem::path absolute = std::filesystem::absolute(given);
    // "fontedit ." names the working directory, shown without a "/." after it.
    if (absolute.filename() == ".") absolute = absolute.parent_path();
    return absolute.native().size() < PATH_MAX ? absolute : given;
}

}  // namespace

std::variant<StartOptions, int> readCommandLine(const std::vector<std::string>& raw) {
    QStringList arguments;
    for (const std::string& argument : raw) arguments << QFile::decodeName(argument.c_str());
    QCommandLineParser parser;
    // Qt's own -platform and -display are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Edits the 96-glyph 5 x 8 bitmap font kept as \"fntdat.txt\" and \"mojidat.txt\" in DIR,\n"
        "and exports it there as \"font.h\"; or a bitmap font of any size: FILE.bdf, or the\n"
        "\"font.bdf\" of a DIR without those two. DIR defaults to the working directory."));
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
                                 QStringLiteral("The directory of the font files, or a BDF font."),
                                 QStringLiteral("[DIR|FILE.bdf]"));

    if (!parser.parse(arguments)) {
        return usageError(state::escapedBytes(parser.errorText().toStdString()));
    }
    if (parser.isSet(help)) {
        // Without a QCoreApplication the parser does not know the program's name.
        return printed(parser.helpText()
                           .replace(QStringLiteral("<executable_name>"), QStringLiteral("fontedit"))
                           .toLocal8Bit());
    }
    if (parser.isSet(version)) return printed("fontedit " FONTEDIT_VERSION "\n");
    const QStringList operands = parser.positionalArguments();
    if (operands.size() > 1) return usageError("more than one directory given");

    StartOptions options{reachable("."), parser.value(platform), parser.value(display), {}};
    if (!operands.isEmpty()) {
        // The argument's own bytes: decoding a name that is not UTF-8 loses them.
        const auto dir = std::find_if(raw.begin() + 1, raw.end(), [&](const std::string& arg) {
            return QFile::decodeName(arg.c_str()) == operands.front();
        });
        options.directory = reachable(*dir);
        std::error_code error;
        const auto status = std::filesystem::status(options.directory, error);
        if (!std::filesystem::exists(status)) {
            return usageError("'" + state::escapedBytes(*dir) + "': no such directory");
        }
        const bool folder = std::filesystem::is_directory(status);
        options.bitmapFont = document::bitmapFontAt(options.directory);
        if (!folder && !options.bitmapFont) {
            return usageError("'" + state::escapedBytes(*dir) +
                              "': not a directory or a .bdf file");
        }
        if (!folder) options.directory = options.directory.parent_path();
        return options;
    }
    options.bitmapFont = document::bitmapFontIn(options.directory);
    return options;
}

}  // namespace fontedit::window
