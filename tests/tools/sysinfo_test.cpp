// The system information tool's facts: memory from /proc/meminfo, and the engine's versions.
#include "tests/common/testmain.h"
#include "tools/sysinfo/facts.h"

#include <QRegularExpression>
#include <sqlcipher/sqlite3.h>

class SysInfoTest : public QObject {
    Q_OBJECT

    static QString value(const QList<sysinfo::Fact>& facts, const QString& name)
    {
        for (const sysinfo::Fact& fact : facts) {
            if (fact.name == name)
                return fact.value;
        }
        return "<none>";
    }

private slots:
    void memoryIsReadFromMeminfo()
    {
        const QByteArray meminfo = "MemTotal:       16254732 kB\n"
                                   "MemFree:         1000000 kB\n"
                                   "MemAvailable:    8127366 kB\n"
                                   "SwapTotal:             0 kB\n"
                                   "Bogus line\n";
        const QList<sysinfo::Fact> facts = sysinfo::memoryFacts(meminfo);
        QCOMPARE(facts.size(), 3);   // no SwapFree line
        QCOMPARE(value(facts, "Total memory"), QString("15.50 GiB (16254732 kB)"));
        QCOMPARE(value(facts, "Available memory"), QString("7.75 GiB (8127366 kB)"));
        QCOMPARE(value(facts, "Total swap"), QString("0 bytes (0 kB)"));
        QVERIFY(sysinfo::memoryFacts("").isEmpty());
    }

    void everySectionIsGathered()
    {
        QStringList titles;
        QList<sysinfo::Fact> libraries;
        for (const sysinfo::Section& section : sysinfo::gather()) {
            titles << section.title;
            if (section.title == "Libraries")
                libraries = section.facts;
        }
        QCOMPARE(titles.first(), QString("System"));
        QVERIFY(titles.contains("Memory") && titles.contains("Display 1"));
        QCOMPARE(value(libraries, "SQLite"), QString(SQLITE_VERSION));
        QVERIFY(value(libraries, "SQLCipher").contains(QRegularExpression("^\\d+\\.\\d+")));
        QVERIFY(value(libraries, "Qt").startsWith(qVersion()));
    }
};

ZESTREL_TEST_MAIN(SysInfoTest)
#include "sysinfo_test.moc"
