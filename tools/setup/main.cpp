// Installs the supplied files into the data root: the recipe database at its fixed path,
// only when no file is there (a user's own file is never overwritten), and the help file,
// which is ours and replaces an older copy. Registers the system information tool that sits
// beside the set-up, for the About box.
//   zestrel-setup [SUPPLIED_DIR]
// Without SUPPLIED_DIR an installed set-up takes the supplied folder of its installation, one
// in the build tree that of the build.
#include "catalogue/supplied.h"
#include "platform/commandline.h"
#include "platform/identity.h"
#include "platform/registry.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
// Says what became of each supplied file; false when one could not be installed.
bool report(const std::vector<catalogue::supplied::Step>& steps)
{
    using catalogue::supplied::Outcome;
    bool ok = true;
    for (const auto& step : steps) {
        if (step.outcome == Outcome::Failed) {
            std::fprintf(stderr, "zestrel-setup: cannot install %s as %s\n", qPrintable(step.from), qPrintable(step.target));
            ok = false;
        } else {
            std::printf("%s %s\n", step.outcome == Outcome::Kept ? "kept" : "installed", qPrintable(step.target));
        }
    }
    return ok;
}

QString besideSetup(const QString& name)
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(name));
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
    const QString supplied = parser.positionalArguments().value(0, catalogue::supplied::folder());
    const bool installed = report(catalogue::supplied::install(supplied));
    const bool registered = registerSysInfo();
    return installed && registered ? 0 : 1;
}
