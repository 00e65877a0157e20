#include "platform/shell.h"

#include "platform/identity.h"
#include "platform/paths.h"

#include <QFileInfo>
#include <QProcess>

namespace platform::shell {

QString localPath(const QString& path)
{
    return path.startsWith(u'/') ? paths::underIgnoringCase(QStringLiteral("/"), path) : paths::resolve(path);
}

void start(const QString& program)
{
    if (!QProcess::startDetached(localPath(program), {}))
        throw Failure(QStringLiteral("Cannot start %1").arg(program));
}

bool fileExists(const QString& path)
{
    return QFileInfo(localPath(path)).isFile();
}

} // namespace platform::shell
