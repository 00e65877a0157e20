// Installs the supplied files into the data root: the recipe database at its fixed path,
// only when no file is there (a user's own file is never overwritten), and the help file,
// which is ours and replaces an older copy. Registers the system information tool that sits
// beside the set-up, for the About box.
//   zestrel-setup [SUPPLIED_DIR]
// Without SUPPLIED_DIR an installed set-up takes the supplied folder of its installation, one
// in the build tree that of the build.
#include "catalogue/schema.h"
#include "platform/commandline.h"
#include "platform/identity.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
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
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Installs Zestrel's supplied recipe database (only where none is) and help file into the user's "
                       "data, and registers the system information tool."));
    parser.addPositionalArgument(QStringLiteral("supplied-dir"),
                                 QStringLiteral("The folder to install from; by default the installation's own."),
                                 QStringLiteral("[supplied-dir]"));
    if (const auto exitCode = platform::commandline::parse(parser, platform::commandline::arguments(argc, argv), 0, 1))
        return *exitCode;
    QCoreApplication app(argc, argv);
    platform::setApplicationIdentity();
    const QString supplied = parser.positionalArguments().value(0, suppliedDir());
    const bool database = installOnce(QDir(supplied).filePath(QStringLiteral("Zestrel.mdb")), catalogue::kDatabasePath);
    const bool help = installCurrent(QDir(supplied).filePath(QStringLiteral("zestrel.hlp")), catalogue::kHelpPath);
    const bool registered = registerSysInfo();
    return database && help && registered ? 0 : 1;
}
