// zestrel-help: shows a Zestrel help file, as the help engine asks.
//   zestrel-help [--command 3|261] [--keyword TEXT] [--owner PID] FILE
// One viewer runs per user: started while another runs, it passes its request on and ends.
// The application starts it with its own process id as owner, so that its help closes with it;
// a viewer started on its own stays until it is closed.
#include "platform/application.h"
#include "platform/commandline.h"
#include "platform/helpchannel.h"
#include "tools/helpviewer/owner.h"
#include "tools/helpviewer/service.h"
#include "tools/helpviewer/viewer.h"

#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows a Zestrel help file."));
    const QCommandLineOption command(QStringLiteral("command"),
                                     QStringLiteral("3 shows the contents, 261 the keyword search."),
                                     QStringLiteral("number"), QStringLiteral("3"));
    const QCommandLineOption keyword(QStringLiteral("keyword"),
                                     QStringLiteral("The keyword typed into the search."),
                                     QStringLiteral("text"));
    const QCommandLineOption owner(QStringLiteral("owner"), QStringLiteral("Closes the viewer when this process ends."),
                                   QStringLiteral("pid"));
    parser.addOption(command);
    parser.addOption(keyword);
    parser.addOption(owner);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The help file."));
    if (const auto exitCode = platform::commandline::parse(parser, platform::commandline::arguments(argc, argv), 1, 1))
        return *exitCode;
    bool ownerIsNumber = true;
    const qint64 ownerPid = parser.isSet(owner) ? parser.value(owner).toLongLong(&ownerIsNumber) : 0;
    if (!ownerIsNumber || ownerPid < 0) {
        std::fprintf(stderr, "zestrel-help: --owner takes a process id.\n");
        return 2;
    }
    platform::Application app(argc, argv);
    if (ownerPid && !helpviewer::quitWithProcess(ownerPid))
        return 0;

    const QJsonObject request{{QStringLiteral("command"), parser.value(command).toInt()},
                              {QStringLiteral("file"), parser.positionalArguments().first()},
                              {QStringLiteral("keyword"), parser.value(keyword)}};
    helpviewer::HelpViewer viewer;
    helpviewer::HelpService service(viewer);
    if (!service.claim(request))
        return 0;
    QTimer::singleShot(0, &viewer, [&] { viewer.handle(request); });
    return app.exec();
}
