// Files on disk: fixed Windows paths under the data root, and the per-user settings store.
#include "platform/paths.h"
#include "platform/settings.h"
#include "tests/common/testmain.h"

#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class StorageTest : public QObject {
    Q_OBJECT

    static bool makeFile(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }

private slots:
    void pathsMapDrivesUnderTheDataRoot()
    {
        const QString root = platform::paths::dataRoot();
        QVERIFY(root.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        QCOMPARE(platform::paths::resolve("C:\\windows\\system\\Zestrel.mdb"),
                 root + "/drive_c/windows/system/Zestrel.mdb");
        QCOMPARE(platform::paths::resolve("c:/Windows//System/"), root + "/drive_c/Windows/System");
        QCOMPARE(platform::paths::resolve("D:\\data\\list.txt"), root + "/drive_d/data/list.txt");
        QCOMPARE(platform::paths::resolve("\\windows\\help.hlp"), root + "/drive_c/windows/help.hlp");
        QCOMPARE(platform::paths::resolve("C:\\..\\..\\etc\\.\\passwd"), root + "/drive_c/etc/passwd");
    }

    void pathComponentsMatchIgnoringCase()
    {
        const QString root = platform::paths::dataRoot() + "/drive_c";
        const QString real = root + "/windows/system/Zestrel.mdb";
        QVERIFY(makeFile(real));

        QCOMPARE(platform::paths::resolve("C:\\WINDOWS\\SYSTEM\\Zestrel.mdb"), real);
        QCOMPARE(platform::paths::resolve("c:\\Windows\\System\\ZESTREL.MDB"), real);
        QVERIFY(QFileInfo(platform::paths::resolve("C:\\WINDOWS\\SYSTEM\\Zestrel.mdb")).isFile());
        QVERIFY(QFileInfo(platform::paths::resolve("C:\\windows\\system\\Zestrel.mdb")).isFile());
        QVERIFY(!QFileInfo(platform::paths::resolve("C:\\windows\\system")).isFile());          // a folder
        QVERIFY(!QFileInfo(platform::paths::resolve("C:\\windows\\system\\zestrel.hlp")).isFile());
        // From the first missing component on, the rest is kept as written.
        QCOMPARE(platform::paths::resolve("C:\\WINDOWS\\Help\\Zestrel.HLP"),
                 root + "/windows/Help/Zestrel.HLP");

        // Two spellings on disk: the exact one wins, otherwise the first in name order.
        QVERIFY(QDir().mkpath(root + "/Data") && QDir().mkpath(root + "/data"));
        QCOMPARE(platform::paths::resolve("C:\\data"), root + "/data");
        QCOMPARE(platform::paths::resolve("C:\\DATA"), root + "/Data");
    }

    void dataHomeMovesTheRoot()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        QTemporaryDir other;
        qputenv("XDG_DATA_HOME", other.path().toUtf8());
        const QString root = platform::paths::dataRoot();
        const bool madeFile = makeFile(root + "/drive_c/windows/system/other.mdb");
        const bool found = QFileInfo(platform::paths::resolve("C:\\Windows\\System\\Other.mdb")).isFile();
        qputenv("XDG_DATA_HOME", saved);

        QVERIFY(root.startsWith(other.path()));
        QVERIFY(madeFile);
        QVERIFY(found);
        QVERIFY(!QFileInfo(platform::paths::resolve("C:\\Windows\\System\\Other.mdb")).isFile());
    }

    void settingsRoundTrip()
    {
        using namespace platform::settings;
        QCOMPARE(get("Zestrel", "Settings", "MainLeft", "1000"), QString("1000"));
        QVERIFY(save("Zestrel", "Settings", "MainLeft", "1200"));
        QCOMPARE(get("Zestrel", "Settings", "MainLeft", "1000"), QString("1200"));
        QVERIFY(save("Zestrel", "Settings", "MainLeft", "-60"));
        QCOMPARE(get("Zestrel", "Settings", "MainLeft", "1000"), QString("-60"));

        // Text that INI files treat specially comes back as written.
        const QString awkward = "  Gin, tonic; lime = \"yes\" \u00e9\u00df  ";
        QVERIFY(save("Zestrel", "Notes", "Mix", awkward));
        QCOMPARE(get("Zestrel", "Notes", "Mix", {}), awkward);

        // Sections and applications are kept apart.
        QCOMPARE(get("Zestrel", "Other", "MainLeft", "none"), QString("none"));
        QCOMPARE(get("Elsewhere", "Settings", "MainLeft", "none"), QString("none"));

        QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Zestrel/Zestrel.ini");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString stored = QString::fromUtf8(file.readAll());
        QVERIFY(stored.contains("[Settings]\nMainLeft=-60"));
    }
};

ZESTREL_TEST_MAIN(StorageTest)
#include "storage_test.moc"
