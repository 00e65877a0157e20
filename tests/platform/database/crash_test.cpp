// A writer killed at random moments never leaves a damaged file nor loses a save that returned.
#include "fixture.h"
#include "tests/common/testmain.h"
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <csignal>

using namespace platform::db;

class CrashTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLosesNothingThatWasSaved()
    {
        const QString path = fixture::build(fixture::content(20));
        const int kills = qEnvironmentVariableIntValue("ZESTREL_CRASH_KILLS") > 0 ? qEnvironmentVariableIntValue("ZESTREL_CRASH_KILLS") : 200;
        QRandomGenerator random(20261208);
        qint64 lastConfirmed = 0;
        for (int round = 0; round < kills; ++round) {
            QProcess child;
            child.start(QStringLiteral(CRASH_CHILD), {path, QString::number(qint64(round) * 1000000 + 1)});
            QVERIFY(child.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.state() != QProcess::Running, 10000);
            QCOMPARE(child.readLine(), QByteArray("ready\n"));
            QThread::usleep(random.bounded(40000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            qint64 confirmed = 0;
            for (const QByteArray& l : lines)
                if (!l.isEmpty())
                    confirmed = l.toLongLong();

            auto conn = fixture::connect(path);
            Statement check(conn->handle(), QStringLiteral("PRAGMA integrity_check"));
            QVERIFY(check.step());
            QCOMPARE(check.text(0), Value(QStringLiteral("ok")));
            if (confirmed > 0) {
                // The newest confirmed edit is in the file.
                Statement st(conn->handle(), QStringLiteral("SELECT count(*) FROM drinklst WHERE DrinkName = ?1"));
                st.bind(1, Value(QStringLiteral("edit %1").arg(confirmed)));
                QVERIFY(st.step());
                QVERIFY2(st.int64(0) == 1, qPrintable(QStringLiteral("round %1: edit %2 is lost").arg(round).arg(confirmed)));
                lastConfirmed = confirmed;
            }
        }
        QVERIFY(lastConfirmed > 0);
    }
};

ZESTREL_TEST_MAIN(CrashTest)
#include "crash_test.moc"
