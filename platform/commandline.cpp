#include "platform/commandline.h"

#include <QFileInfo>
#include <cstdio>

namespace platform::commandline {

namespace {

// What Qt's application objects take from the command line themselves.
void letQtOptionsThrough(QCommandLineParser& parser)
{
    static const char* const withValue[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                            "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                            "display",         "geometry",           "style",         "stylesheet"};
    static const char* const flags[] = {"reverse", "widgetcount"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int print(std::FILE* stream, const QString& text, int exitCode)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return exitCode;
}

} // namespace

QStringList arguments(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments, qsizetype least, qsizetype most)
{
    const QString program = QFileInfo(arguments.value(0)).fileName();
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    letQtOptionsThrough(parser);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    QString misuse;
    if (!parser.parse(arguments))
        misuse = parser.errorText();
    else if (parser.isSet(help))
        // Without an application object the parser cannot know the program's name.
        return print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), program), 0);
    else if (parser.isSet(version))
        return print(stdout, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(ZESTREL_VERSION)), 0);
    else if (const qsizetype given = parser.positionalArguments().size(); given < least)
        misuse = QStringLiteral("Too few arguments.");
    else if (given > most)
        misuse = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().at(most));
    else
        return std::nullopt;
    return print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, misuse), 2);
}

} // namespace platform::commandline
