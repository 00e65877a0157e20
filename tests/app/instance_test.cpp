// Starting zestrel itself: a direct start on an empty data root installs the supplied database
// (and keeps a user's own), a second start hands over to the running one and ends, and a socket
// left by a killed instance does not block the next start.
#include "app/frmSplash.h"
#include "app/singleinstance.h"
#include "catalogue/schema.h"
#include "platform/forms.h"
#include "platform/paths.h"
#include "tests/common/testmain.h"
#include "tests/common/ui.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A zestrel process on the test's own data and runtime folders.
std::unique_ptr<QProcess> start()
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(ZESTREL_APP), {});
    process->waitForStarted();
    return process;
}

// True once an instance listens.
bool listening()
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(app::SingleInstance::serverName());
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

} // namespace

class InstanceTest : public QObject {
    Q_OBJECT

    const QString database = platform::paths::resolve(catalogue::kDatabasePath);

    // A start while `running` runs: it hands over and ends at once, and `running` goes on.
    void handsOverTo(QProcess& running)
    {
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);
        const auto second = start();
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(running.state(), QProcess::Running);
    }

    // Kills the instance as a crash would: its socket stays behind.
    void kill(QProcess& running)
    {
        running.kill();
        QVERIFY(running.waitForFinished(5000));
        QVERIFY(QFileInfo(app::SingleInstance::serverName()).exists());
    }

private slots:
    void directStartsShareOneInstance()
    {
        QVERIFY(!QFileInfo::exists(database));
        const auto first = start();
        handsOverTo(*first);
        // Installed beside the splash.
        QTRY_COMPARE(contents(database), contents(QStringLiteral(ZESTREL_SUPPLIED_DIR "/Zestrel.mdb")));
        kill(*first);

        // Over the dead one's socket; the user's own file stays as it is.
        QFile mine(database);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        const auto next = start();
        handsOverTo(*next);
        QCOMPARE(contents(database), QByteArray("mine"));
        kill(*next);

        // The running instance brings its window forward when asked.
        app::SingleInstance instance;
        QVERIFY(instance.claim());
        QSignalSpy forward(&instance, &app::SingleInstance::broughtForward);
        ui::Messages nags;
        QWidget* splash = platform::forms::open(QStringLiteral("frmSplash"), [] { return new app::frmSplash; });
        splash->showMinimized();
        const auto later = start();
        QTRY_COMPARE_WITH_TIMEOUT(later->state(), QProcess::NotRunning, 10000);
        QCOMPARE(later->exitCode(), 0);
        QCOMPARE(forward.size(), 1);
        QVERIFY(!splash->isMinimized());
        platform::forms::unload(splash);
    }
};

ZESTREL_TEST_MAIN(InstanceTest)
#include "instance_test.moc"
