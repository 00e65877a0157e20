#include "tools/sysinfo/facts.h"

#include "platform/database/sqlite.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMap>
#include <QScreen>
#include <QSysInfo>
#include <QThread>

namespace sysinfo {

namespace {

QString compiler()
{
#if defined(__clang__)
    return QStringLiteral("Clang " __clang_version__);
#elif defined(__GNUC__)
    return QStringLiteral("GCC " __VERSION__);
#else
    return QStringLiteral("unknown");
#endif
}

// The SQLCipher release the engine is built from, asked of an in-memory database.
QString cipherVersion()
{
    sqlite3* db = nullptr;
    QString version = QStringLiteral("unknown");
    if (sqlite3_open(":memory:", &db) == SQLITE_OK) {
        try {
            platform::db::Statement pragma(db, QStringLiteral("PRAGMA cipher_version"));
            if (pragma.step())
                version = pragma.text(0).value_or(version);
        } catch (const std::exception&) {
            // An engine without the pragma keeps "unknown".
        }
    }
    sqlite3_close(db);
    return version;
}

Section systemSection()
{
    return {QStringLiteral("System"),
            {{QStringLiteral("Operating system"), QSysInfo::prettyProductName()},
             {QStringLiteral("Kernel"), QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion()},
             {QStringLiteral("Architecture"), QSysInfo::currentCpuArchitecture()},
             {QStringLiteral("Processors"), QString::number(QThread::idealThreadCount())},
             {QStringLiteral("Host name"), QSysInfo::machineHostName()},
             {QStringLiteral("Window system"), QGuiApplication::platformName()}}};
}

Section memorySection()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    QList<Fact> facts;
    if (file.open(QIODevice::ReadOnly))
        facts = memoryFacts(file.readAll());
    if (facts.isEmpty())
        facts = {{QStringLiteral("Memory"), QStringLiteral("unavailable")}};
    return {QStringLiteral("Memory"), facts};
}

QString pair(double a, double b, const QString& unit)
{
    return QStringLiteral("%1 x %2 %3").arg(a, 0, 'f', 0).arg(b, 0, 'f', 0).arg(unit);
}

QList<Section> displaySections()
{
    QList<Section> sections;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QScreen* s = screens[i];
        sections.append(
            {QStringLiteral("Display %1").arg(i + 1),
             {{QStringLiteral("Name"), s->name()},
              {QStringLiteral("Size"), pair(s->size().width(), s->size().height(), QStringLiteral("pixels"))},
              {QStringLiteral("Physical size"),
               pair(s->physicalSize().width(), s->physicalSize().height(), QStringLiteral("mm"))},
              {QStringLiteral("Logical dpi"), QString::number(s->logicalDotsPerInch(), 'f', 0)},
              {QStringLiteral("Physical dpi"), QString::number(s->physicalDotsPerInch(), 'f', 0)},
              {QStringLiteral("Scale"), QString::number(s->devicePixelRatio())},
              {QStringLiteral("Colour depth"), QStringLiteral("%1 bits").arg(s->depth())},
              {QStringLiteral("Refresh rate"), QStringLiteral("%1 Hz").arg(s->refreshRate(), 0, 'f', 0)}}});
    }
    return sections;
}

Section librarySection()
{
    return {QStringLiteral("Libraries"),
            {{QStringLiteral("Qt"), QStringLiteral("%1 (built with %2)").arg(qVersion(), QT_VERSION_STR)},
             {QStringLiteral("SQLCipher"), cipherVersion()},
             {QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion())},
             {QStringLiteral("Compiler"), compiler()}}};
}

} // namespace

QList<Section> gather()
{
    return QList<Section>{systemSection(), memorySection()} + displaySections()
        + QList<Section>{librarySection()};
}

QList<Fact> memoryFacts(const QByteArray& meminfo)
{
    QMap<QByteArray, qint64> kBytes;   // "MemTotal:       16254732 kB" -> MemTotal, 16254732
    for (const QByteArray& line : meminfo.split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        bool ok = false;
        const qint64 count = parts.value(1).toLongLong(&ok);
        if (ok && parts[0].endsWith(':'))
            kBytes.insert(parts[0].chopped(1), count);
    }
    const QList<std::pair<QByteArray, QString>> shown = {{"MemTotal", QStringLiteral("Total memory")},
                                                         {"MemAvailable", QStringLiteral("Available memory")},
                                                         {"SwapTotal", QStringLiteral("Total swap")},
                                                         {"SwapFree", QStringLiteral("Free swap")}};
    QList<Fact> facts;
    for (const auto& [field, name] : shown) {
        if (kBytes.contains(field)) {
            const qint64 count = kBytes.value(field);
            facts.append({name, QStringLiteral("%1 (%2 kB)").arg(QLocale::c().formattedDataSize(count * 1024)).arg(count)});
        }
    }
    return facts;
}

} // namespace sysinfo
