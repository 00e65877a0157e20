#include "platform/help.h"

#include "platform/identity.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform::help {

namespace {

struct Engine {
    QString helpFile;
    QString viewerProgram;
    std::function<void(const Call&)> testHook;
};

Engine& engine()
{
    static Engine e;
    return e;
}

// Starts the viewer on the request; it takes the request from its command line, and closes when
// this program ends.
void startViewer(const QJsonObject& request)
{
    const QString program = viewerProgram();
    const QFileInfo info(program);
    const QString start = QStringLiteral("Unable to start the help viewer %1: ")
                              .arg(QDir::toNativeSeparators(program));
    if (!info.exists())
        throw Failure(start + QStringLiteral("the program is not there."));
    if (!info.isFile() || !info.isExecutable())
        throw Failure(start + QStringLiteral("the file is not a program that can be run."));

    QProcess viewer;
    viewer.setProgram(program);
    viewer.setArguments({QStringLiteral("--command"),
                         QString::number(request[u"command"].toInt()),
                         QStringLiteral("--keyword"), request[u"keyword"].toString(),
                         QStringLiteral("--owner"), QString::number(QCoreApplication::applicationPid()),
                         request[u"file"].toString()});
    if (!viewer.startDetached())
        throw Failure(start + viewer.errorString() + u'.');
}

} // namespace

void setHelpFile(const QString& windowsPath)
{
    engine().helpFile = windowsPath;
}

QString helpFile()
{
    return engine().helpFile;
}

void call(QWidget* window, const QString& helpFile, unsigned command, const QString& keyword)
{
    if (engine().testHook) {
        engine().testHook(Call{window, helpFile, command, keyword});
        return;
    }
    if (command != Command::Quit && command != Command::Contents && command != Command::PartialKey)
        throw Failure(QStringLiteral("The help command %1 is not supported.").arg(command));

    const QJsonObject request{{QStringLiteral("command"), int(command)},
                              {QStringLiteral("file"), paths::resolve(helpFile)},
                              {QStringLiteral("keyword"), keyword}};
    if (channel::exchange(request) || command == Command::Quit)
        return;
    startViewer(request);
}

void setTestHook(std::function<void(const Call&)> hook)
{
    engine().testHook = std::move(hook);
}

QString viewerProgram()
{
    if (!engine().viewerProgram.isEmpty())
        return engine().viewerProgram;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zestrel-help");
}

void setViewerProgram(const QString& path)
{
    engine().viewerProgram = path;
}

} // namespace platform::help
