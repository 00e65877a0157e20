#include "catalogue/supplied.h"

#include "catalogue/schema.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace catalogue::supplied {

namespace {

enum class Existing { Keep, Replace };

bool moveInto(const QString& temp, const QString& target, Existing existing)
{
    if (existing == Existing::Keep)
        return QFile::rename(temp, target); // fails rather than overwrite
    return std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
}

// Copies the file into place through a temporary beside the target, so that a failed copy
// leaves the target as it was. A file that is at the target by then is kept or replaced.
Outcome copyInto(const QString& from, const QString& target, Existing existing)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(from, temp) || !QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner)
        || !moveInto(temp, target, existing)) {
        QFile::remove(temp);
        return Outcome::Failed;
    }
    return Outcome::Installed;
}

Step installOnce(const QString& from, const QString& windowsPath)
{
    const QString target = platform::paths::resolve(windowsPath);
    if (QFileInfo::exists(target))
        return {from, target, Outcome::Kept};
    return {from, target, copyInto(from, target, Existing::Keep)};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts the file in place unless the same file is already there.
Step installCurrent(const QString& from, const QString& windowsPath)
{
    const QString target = platform::paths::resolve(windowsPath);
    if (QFileInfo(target).size() == QFileInfo(from).size() && contents(target) == contents(from))
        return {from, target, Outcome::Kept};
    return {from, target, copyInto(from, target, Existing::Replace)};
}

} // namespace

QString folder()
{
    const QString installed = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZESTREL_INSTALLED_SUPPLIED)));
    return QFileInfo(installed).isDir() ? installed : QStringLiteral(ZESTREL_SUPPLIED_DIR);
}

std::vector<Step> install(const QString& folder)
{
    const QDir dir(folder);
    return {installOnce(dir.filePath(QStringLiteral("Zestrel.mdb")), kDatabasePath),
            installCurrent(dir.filePath(QStringLiteral("zestrel.hlp")), kHelpPath)};
}

} // namespace catalogue::supplied
