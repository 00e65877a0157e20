// Installs the supplied files into the data root: the recipe database at its fixed path,
// only when no file is there. A user's own file is never overwritten.
//   zestrel-setup [SUPPLIED_DIR]
#include "catalogue/supplied.h"
#include "platform/application.h"
#include "platform/paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
bool installOnce(const QString& from, const QString& windowsPath)
{
    const QString target = platform::paths::resolve(windowsPath);
    if (QFileInfo::exists(target)) {
        std::printf("kept %s\n", qPrintable(target));
        return true;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(from, temp) || !QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner)
        || !QFile::rename(temp, target)) {
        QFile::remove(temp);
        std::fprintf(stderr, "zestrel-setup: cannot install %s as %s\n", qPrintable(from), qPrintable(target));
        return false;
    }
    std::printf("installed %s\n", qPrintable(target));
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    platform::setApplicationIdentity();
    const QStringList args = app.arguments();
    const QString supplied = args.size() > 1 ? args[1] : QStringLiteral(ZESTREL_SUPPLIED_DIR);
    return installOnce(QDir(supplied).filePath(QStringLiteral("Zestrel.mdb")), catalogue::kDatabasePath) ? 0 : 1;
}
