// Installs the supplied files into the data root: the recipe database at its fixed path,
// only when no file is there. A user's own file is never overwritten. Registers the system
// information tool that sits beside the set-up, for the About box.
//   zestrel-setup [SUPPLIED_DIR]
// Without SUPPLIED_DIR an installed set-up takes the supplied folder of its installation, one
// in the build tree that of the build.
#include "catalogue/supplied.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "platform/registry.h"
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

QString besideSetup(const QString& name)
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(name));
}

// <prefix>/share/zestrel beside <prefix>/bin for an installed set-up; the build's folder else.
QString suppliedDir()
{
    const QString installed = besideSetup(QStringLiteral(ZESTREL_INSTALLED_SUPPLIED));
    return QFileInfo(installed).isDir() ? installed : QStringLiteral(ZESTREL_SUPPLIED_DIR);
}

// The path is written as the set-up finds the tool, so that a later set-up (from an install
// after a build, say) points the About box at its own.
bool registerSysInfo()
{
    using namespace platform::registry;
    const QString tool = besideSetup(QStringLiteral("zestrel-sysinfo"));
    if (!QFileInfo(tool).isExecutable()) {
        std::printf("no system information tool at %s\n", qPrintable(tool));
        return true;
    }
    if (!setValue(sysInfoKey, sysInfoPathValue, REG_SZ, stringData(tool))) {
        std::fprintf(stderr, "zestrel-setup: cannot write %s\n", qPrintable(storeFile()));
        return false;
    }
    std::printf("registered %s\n", qPrintable(tool));
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    platform::setApplicationIdentity();
    const QStringList args = app.arguments();
    const QString supplied = args.size() > 1 ? args[1] : suppliedDir();
    const bool installed = installOnce(QDir(supplied).filePath(QStringLiteral("Zestrel.mdb")), catalogue::kDatabasePath);
    const bool registered = registerSysInfo();
    return installed && registered ? 0 : 1;
}
