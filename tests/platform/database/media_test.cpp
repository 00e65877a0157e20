// A good catalogue where it cannot be written: a read-only folder or file, a full disk. It is read,
// a save is refused with the cause, and nothing is left beside it that would stop the next start.
// Runs in its own mount namespace (see CMakeLists), where it mounts small file systems of its own.
#include "fixture.h"
#include "tests/common/testmain.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

using namespace platform::db;

namespace {
bool mount(const QStringList& args) { return QProcess::execute(QStringLiteral("mount"), args) == 0; }

void saveName(RowSet& rs, const QString& name, const QString& directions = QString())
{
    std::vector<Value> v = rs.values();
    v[size_t(rs.fieldIndex(QStringLiteral("DrinkName")))] = name;
    if (!directions.isEmpty())
        v[size_t(rs.fieldIndex(QStringLiteral("Directions")))] = directions;
    rs.save(v);
}

QStringList sideFiles(const QString& path)
{
    const QFileInfo info(path);
    return QDir(info.path()).entryList({info.fileName() + QStringLiteral("-*")}, QDir::Files);
}
} // namespace

class MediaTest : public QObject {
    Q_OBJECT
    QTemporaryDir work_;
    QString good_;

private slots:
    void initTestCase()
    {
        good_ = fixture::build(fixture::content(3));
        if (!mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("none"), work_.path()}))
            QSKIP("cannot mount here: run in a mount namespace of its own");
    }

    void readOnlyCatalogueIsReadAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("read-only folder") << "folder";
        QTest::newRow("read-only file") << "file";
    }

    void readOnlyCatalogueIsReadAndLeavesNothing()
    {
        QFETCH(QString, what);
        const QString dir = work_.filePath(what);
        const QString path = dir + QStringLiteral("/Zestrel.mdb");
        QVERIFY(QDir().mkpath(dir));
        const QString target = what == QLatin1String("folder") ? dir : path;
        if (what == QLatin1String("folder"))
            QVERIFY(mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("none"), dir}));
        QVERIFY(QFile::copy(good_, path));
        if (what == QLatin1String("file"))
            QVERIFY(mount({QStringLiteral("--bind"), path, path}));
        QVERIFY(mount({QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), target}));
        for (int opening = 0; opening < 2; ++opening) {
            auto rs = fixture::open(path, QStringLiteral("Gin"));
            rs = fixture::open(path);
            QCOMPARE(rs->keyCount(), 3);
            QVERIFY_DB_ERROR(saveName(*rs, QStringLiteral("Renamed")), ReadOnlyFile);
        }
        QCOMPARE(sideFiles(path), QStringList());
        QVERIFY(mount({QStringLiteral("-o"), QStringLiteral("remount,bind,rw"), target}));
        auto rs = fixture::open(path);
        saveName(*rs, QStringLiteral("Renamed"));
        QCOMPARE(fixture::names(path).first(), QStringLiteral("Renamed"));
    }

    void fullDiskRefusesTheSaveAndKeepsTheFile()
    {
        const QString dir = work_.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=1m"),
                       QStringLiteral("none"), dir}));
        const QString path = dir + QStringLiteral("/Zestrel.mdb");
        QVERIFY(QFile::copy(good_, path));
        auto rs = fixture::open(path);
        QFile filler(dir + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
        }
        filler.close();
        QVERIFY_DB_ERROR(saveName(*rs, QStringLiteral("Renamed"), QString(200000, QLatin1Char('d'))), DiskFull);
        QVERIFY(filler.remove());
        rs = fixture::open(path);
        QCOMPARE(rs->values()[size_t(rs->fieldIndex(QStringLiteral("DrinkName")))], Value(QStringLiteral("Drink 1")));
        saveName(*rs, QStringLiteral("Renamed"), QString(200000, QLatin1Char('d')));
        QCOMPARE(fixture::integrity(path), QStringLiteral("ok"));
    }
};

ZESTREL_TEST_MAIN(MediaTest)
#include "media_test.moc"
