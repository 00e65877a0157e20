// The registry's values, the shell's program starts and file checks, and the local server.
#include "platform/application.h"
#include "platform/localserver.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "tests/common/markerscript.h"
#include "tests/common/testmain.h"

#include <QTemporaryDir>
#include <future>

using namespace platform::registry;

class ServicesTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;

    // A script at `path` that leaves the file `marker` in the scratch folder when it runs.
    QString writeScript(const QString& path, const QString& marker, bool executable = true)
    {
        return testing::writeMarkerScript(path, scratch.filePath(marker), executable) ? path : QString();
    }

    static QByteArray read(const QString& key, const QString& value, std::uint32_t* type = nullptr)
    {
        Handle h = 0;
        if (openKey(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
            return "<no key>";
        char buffer[64] = {};
        std::uint32_t size = sizeof buffer;
        const Status status = queryValue(h, value, type, buffer, &size);
        closeKey(h);
        return status == ERROR_SUCCESS ? QByteArray(buffer, size) : "<no value>";
    }

private slots:
    void init() { QFile::remove(storeFile()); }

    void valuesAreFoundByPathAndNameInAnyCase()
    {
        QVERIFY(storeFile().startsWith(platform::paths::dataRoot()));
        QVERIFY(setValue("SOFTWARE\\Zestrel\\Tools", "Path", REG_SZ, stringData("/opt/tool")));
        std::uint32_t type = 0;
        QCOMPARE(read("software\\ZESTREL\\tools", "PATH", &type), QByteArray("/opt/tool\0", 10));
        QCOMPARE(type, REG_SZ);
        QCOMPARE(read("\\SOFTWARE\\Zestrel\\Tools\\", "path"), QByteArray("/opt/tool\0", 10));

        // Written again in other letters: still one key with one value, its first spelling kept.
        QVERIFY(setValue("software\\zestrel\\TOOLS", "PATH", REG_DWORD, dwordData(258)));
        QCOMPARE(read("SOFTWARE\\Zestrel\\Tools", "Path", &type), QByteArray("\x02\x01\x00\x00", 4));
        QCOMPARE(type, REG_DWORD);
        QFile store(storeFile());
        QVERIFY(store.open(QIODevice::ReadOnly));
        const QByteArray text = store.readAll();
        QCOMPARE(text.count("Tools"), 1);
        QCOMPARE(text.count("Path"), 1);
        QCOMPARE(text.count("PATH"), 0);

        // A key above a written one exists; others and other values do not.
        QCOMPARE(read("SOFTWARE", "Path"), QByteArray("<no value>"));
        QCOMPARE(read("SOFTWARE\\Zest", "Path"), QByteArray("<no key>"));
        QCOMPARE(read("SOFTWARE\\Zestrel\\Tools", "Folder"), QByteArray("<no value>"));
    }

    void queriesKeepToTheBufferAndTheHandle()
    {
        QVERIFY(setValue("SOFTWARE\\Zestrel", "Name", REG_SZ, stringData("Zestrel")));
        Handle h = 0;
        QCOMPARE(openKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Zestrel", 0, 0x2003F, &h), ERROR_SUCCESS);

        std::uint32_t type = 0;
        std::uint32_t size = 0;
        QCOMPARE(queryValue(h, "Name", &type, nullptr, &size), ERROR_SUCCESS);
        QCOMPARE(size, 8u);
        char small[4] = {'x', 'x', 'x', 'x'};
        size = sizeof small;
        QCOMPARE(queryValue(h, "Name", &type, small, &size), ERROR_MORE_DATA);
        QCOMPARE(size, 8u);
        QCOMPARE(QByteArray(small, 4), QByteArray("xxxx"));

        QCOMPARE(closeKey(h), ERROR_SUCCESS);
        QCOMPARE(closeKey(h), ERROR_INVALID_HANDLE);
        QCOMPARE(queryValue(h, "Name", &type, nullptr, &size), ERROR_INVALID_HANDLE);
        QCOMPARE(openKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Zestrel", 0, KEY_SET_VALUE, &h), ERROR_SUCCESS);
        QCOMPARE(queryValue(h, "Name", &type, nullptr, &size), ERROR_ACCESS_DENIED);
        closeKey(h);
    }

    void aDamagedStoreIsNeitherReadNorOverwritten()
    {
        QDir().mkpath(QFileInfo(storeFile()).path());
        QFile store(storeFile());
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("{ not json");
        store.close();
        Handle h = 0;
        QCOMPARE(openKey(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_QUERY_VALUE, &h), ERROR_FILE_NOT_FOUND);
        QVERIFY(!setValue("SOFTWARE\\Zestrel", "Name", REG_SZ, stringData("Zestrel")));
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), QByteArray("{ not json"));
    }

    void startsProgramsByEitherKindOfPath()
    {
        const QString native = writeScript(scratch.filePath("bin/tool"), "native");
        platform::shell::start(native);
        QTRY_VERIFY(QFile::exists(scratch.filePath("native")));

        writeScript(platform::paths::dataRoot() + "/drive_c/Tools/msinfo32.exe", "windows");
        QVERIFY(platform::shell::fileExists("C:\\TOOLS\\MSINFO32.EXE"));
        QVERIFY(!platform::shell::fileExists("C:\\Tools"));
        platform::shell::start("C:\\TOOLS\\MSINFO32.EXE");
        QTRY_VERIFY(QFile::exists(scratch.filePath("windows")));

        // A folder of this system with a Windows file name after it, as the registry may hold.
        writeScript(scratch.filePath("opt/Tools/msinfo32.exe"), "mixed");
        QVERIFY(platform::shell::fileExists(scratch.filePath("opt/tools") + "\\MSINFO32.EXE"));
        platform::shell::start(scratch.filePath("opt/tools") + "\\MSINFO32.EXE");
        QTRY_VERIFY(QFile::exists(scratch.filePath("mixed")));
    }

    // A request answered, one refused, an over-long line without an end dropped; a second claim
    // hands its request over to the first server, and a server's socket goes with it.
    void aLocalServerAnswersLinesAndIsClaimedOnce_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer"); // "-" for none
        QTest::newRow("known") << QByteArray("ping") << QByteArray("pong");
        QTest::newRow("unknown") << QByteArray("what") << QByteArray("-");
        QTest::newRow("over-long") << QByteArray(70000, 'x') << QByteArray("-");
    }
    void aLocalServerAnswersLinesAndIsClaimedOnce()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        const QString path = scratch.filePath(QStringLiteral("server"));
        int asked = 0;
        {
            platform::local::Server server(path, [&](const QByteArray& line) -> std::optional<QByteArray> {
                ++asked;
                return line == "ping" ? std::optional<QByteArray>("pong") : std::nullopt;
            });
            QVERIFY(server.claim("ping", 500)); // nobody listens yet
            auto got = std::async(std::launch::async, [&] { return platform::local::exchange(path, request, 5000); });
            QTRY_VERIFY(got.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
            QCOMPARE(got.get().value_or("-"), answer);
            auto second = std::async(std::launch::async, [&] { return platform::local::Server(path, {}).claim("ping", 5000); });
            QTRY_VERIFY(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
            QVERIFY(!second.get());
        }
        QCOMPARE(asked, (request.size() > 100 ? 0 : 1) + 1);
        QVERIFY(!QFileInfo::exists(path));
    }

    void aProgramThatCannotStartIsAFailure()
    {
        QVERIFY_THROWS_EXCEPTION(platform::Failure, platform::shell::start(scratch.filePath("missing")));
        const QString plain = writeScript(scratch.filePath("plain.sh"), "plain", false);
        QVERIFY_THROWS_EXCEPTION(platform::Failure, platform::shell::start(plain));
    }
};

ZESTREL_TEST_MAIN(ServicesTest)
#include "services_test.moc"
