// The help engine as the application uses it: the viewer program started for real (offscreen),
// a second call reaching the same viewer, the viewer closing with its owner, the failures the
// application and the viewer report, and the set-up putting the help file in place.
#include "platform/help.h"
#include "platform/paths.h"
#include "tests/common/testmain.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <signal.h>

namespace help = platform::help;
using help::Command;

namespace {

const QString helpPath = QStringLiteral("C:\\Windows\\System\\zestrel.hlp");
const QString suppliedHelp = QStringLiteral(ZESTREL_SUPPLIED_DIR "/zestrel.hlp");

// Polls the condition until it holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

bool alive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

    // The state of the running viewer once it satisfies `ready`, or nothing after 20 s.
    static std::optional<QJsonObject> viewerWhen(const std::function<bool(const QJsonObject&)>& ready)
    {
        std::optional<QJsonObject> state;
        if (!waitUntil([&] { return (state = help::channel::exchange({}, 1000)) && ready(*state); }, 20000))
            return std::nullopt;
        return state;
    }

    // Sends Quit and waits for the viewer to end.
    static bool closeViewer()
    {
        const auto state = help::channel::exchange({}, 1000);
        if (!state)
            return true;
        const qint64 pid = state->value(u"pid").toInteger();
        help::call(nullptr, helpPath, Command::Quit, {});
        if (waitUntil([pid] { return !alive(pid); }, 10000))
            return true;
        ::kill(pid_t(pid), SIGKILL);
        return false;
    }

    static void installHelp() { QVERIFY(writeFile(platform::paths::resolve(helpPath), contents(suppliedHelp))); }

private slots:
    void init() { help::setViewerProgram(QStringLiteral(ZESTREL_HELP_VIEWER)); }

    void cleanup()
    {
        QVERIFY(closeViewer());
    }

    void viewerThatCannotStartIsAFailure_data()
    {
        QTest::addColumn<QByteArray>("program");   // empty: no file at all
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << false << "the program is not there.";
        QTest::newRow("not executable") << QByteArray("#!/bin/sh\n") << false
                                        << "the file is not a program that can be run.";
        QTest::newRow("not a program") << QByteArray("\x01\x02garbage") << true << "Exec format error";
    }
    void viewerThatCannotStartIsAFailure()
    {
        QFETCH(QByteArray, program);
        QFETCH(bool, executable);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zestrel-help"));
        if (!program.isEmpty()) {
            QVERIFY(writeFile(path, program));
            if (executable)
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        help::setViewerProgram(path);
        QString description;
        try {
            help::call(nullptr, helpPath, Command::Contents, {});
        } catch (const platform::Failure& e) {
            description = QString::fromUtf8(e.what());
        }
        QVERIFY2(description.startsWith(QStringLiteral("Unable to start the help viewer ") + path + ": "),
                 qPrintable(description));
        QVERIFY2(description.contains(reason), qPrintable(description));
        QVERIFY(!help::channel::exchange({}, 500));
    }

    void secondCallReachesTheSameViewer()
    {
        installHelp();
        help::call(nullptr, helpPath, Command::Contents, {});
        const auto first = viewerWhen([](const QJsonObject& s) { return s[u"view"].toString() == u"contents"; });
        QVERIFY(first);
        QCOMPARE((*first)[u"file"].toString(), platform::paths::resolve(helpPath));
        QCOMPARE((*first)[u"topic"].toString(), QStringLiteral("welcome.html"));
        const qint64 pid = (*first)[u"pid"].toInteger();
        QVERIFY2(contents(QStringLiteral("/proc/%1/cmdline").arg(pid))
                     .contains("\0--owner\0" + QByteArray::number(QCoreApplication::applicationPid()) + '\0'),
                 "the viewer does not close with the program that started it");

        help::call(nullptr, helpPath, Command::PartialKey, {});
        auto now = viewerWhen([](const QJsonObject& s) { return s[u"view"].toString() == u"keywords"; });
        QVERIFY(now);
        QCOMPARE((*now)[u"pid"].toInteger(), pid);
        QCOMPARE((*now)[u"keyword"].toString(), QString());

        help::call(nullptr, helpPath, Command::PartialKey, QStringLiteral("print"));
        now = viewerWhen([](const QJsonObject& s) { return s[u"keyword"].toString() == u"print"; });
        QVERIFY(now);
        QCOMPARE((*now)[u"pid"].toInteger(), pid);

        help::call(nullptr, helpPath, Command::Contents, {});
        now = viewerWhen([](const QJsonObject& s) { return s[u"view"].toString() == u"contents"; });
        QVERIFY(now);
        QCOMPARE((*now)[u"pid"].toInteger(), pid);
        QCOMPARE((*now)[u"message"].toString(), QString());
    }

    void viewerClosesWhenItsOwnerEnds()
    {
        installHelp();
        QProcess owner;
        owner.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(owner.waitForStarted());
        QVERIFY(QProcess::startDetached(help::viewerProgram(), {QStringLiteral("--owner"), QString::number(owner.processId()),
                                                               platform::paths::resolve(helpPath)}));
        const auto state = viewerWhen([](const QJsonObject& s) { return s[u"view"].toString() == u"contents"; });
        QVERIFY(state);
        const qint64 pid = (*state)[u"pid"].toInteger();
        owner.kill();
        QVERIFY(owner.waitForFinished());
        QVERIFY(waitUntil([pid] { return !alive(pid); }, 10000));
    }

    void viewerReportsAMissingHelpFile()
    {
        help::call(nullptr, QStringLiteral("C:\\Windows\\System\\nohelp.hlp"), Command::Contents, {});
        const auto state = viewerWhen([](const QJsonObject& s) { return !s[u"message"].toString().isEmpty(); });
        QVERIFY(state);
        QCOMPARE((*state)[u"view"].toString(), QString());
        QCOMPARE((*state)[u"message"].toString(),
                 QStringLiteral("The help file %1 is not there.")
                     .arg(platform::paths::resolve(QStringLiteral("C:\\Windows\\System\\nohelp.hlp"))));
    }

    void setUpReplacesAnOlderHelpFileAndKeepsTheDatabase()
    {
        const QString help = platform::paths::resolve(helpPath);
        const QString database = platform::paths::resolve(QStringLiteral("C:\\windows\\system\\Zestrel.mdb"));
        QVERIFY(writeFile(help, "an older help file"));
        QVERIFY(writeFile(database, "the user's recipes"));
        QProcess setup;
        setup.start(QStringLiteral(ZESTREL_SETUP), {});
        QVERIFY(setup.waitForFinished(30000));
        QCOMPARE(setup.exitCode(), 0);
        QCOMPARE(contents(help), contents(suppliedHelp));
        QCOMPARE(contents(database), QByteArray("the user's recipes"));
    }
};

ZESTREL_TEST_MAIN(EngineTest)
#include "engine_test.moc"
