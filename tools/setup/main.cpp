// Installs the supplied files into the data root: the recipe database at its fixed path,
// only when no file is there (a user's own file is never overwritten), and the help file,
// which is ours and replaces an older copy.
//   zestrel-setup [SUPPLIED_DIR]
#include "catalogue/supplied.h"
#include "platform/application.h"
#include "platform/paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
const QString kHelpPath = QStringLiteral("C:\\Windows\\System\\zestrel.hlp");

enum class Existing { Keep, Replace };

bool moveInto(const QString& temp, const QString& target, Existing existing)
{
    if (existing == Existing::Keep)
        return QFile::rename(temp, target);   // fails rather than overwrite
    return std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
}

// Copies the file into place through a temporary beside the target, so that a failed copy
// leaves the target as it was. A file that is at the target by then is kept or replaced.
bool copyInto(const QString& from, const QString& target, Existing existing)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(from, temp) || !QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner)
        || !moveInto(temp, target, existing)) {
        QFile::remove(temp);
        std::fprintf(stderr, "zestrel-setup: cannot install %s as %s\n", qPrintable(from), qPrintable(target));
        return false;
    }
    std::printf("installed %s\n", qPrintable(target));
    return true;
}

bool installOnce(const QString& from, const QString& windowsPath)
{
    const QString target = platform::paths::resolve(windowsPath);
    if (QFileInfo::exists(target)) {
        std::printf("kept %s\n", qPrintable(target));
        return true;
    }
    return copyInto(from, target, Existing::Keep);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts the file in place unless the same file is already there.
bool installCurrent(const QString& from, const QString& windowsPath)
{
    const QString target = platform::paths::resolve(windowsPath);
    if (QFileInfo::exists(target) && contents(target) == contents(from)) {
        std::printf("kept %s\n", qPrintable(target));
        return true;
    }
    return copyInto(from, target, Existing::Replace);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    platform::setApplicationIdentity();
    const QStringList args = app.arguments();
    const QString supplied = args.size() > 1 ? args[1] : QStringLiteral(ZESTREL_SUPPLIED_DIR);
    const bool database = installOnce(QDir(supplied).filePath(QStringLiteral("Zestrel.mdb")), catalogue::kDatabasePath);
    const bool help = installCurrent(QDir(supplied).filePath(QStringLiteral("zestrel.hlp")), kHelpPath);
    return database && help ? 0 : 1;
}
