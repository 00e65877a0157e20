// A writer killed at random moments never leaves a damaged file nor loses a save that returned.
#include "fixture.h"
#include "tests/common/testmain.h"
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <csignal>
#include <map>

using namespace platform::db;

class CrashTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLosesNothingThatWasSaved()
    {
        const QString path = fixture::build(fixture::content(20));
        const int kills = qEnvironmentVariableIntValue("ZESTREL_CRASH_KILLS") > 0
                              ? qEnvironmentVariableIntValue("ZESTREL_CRASH_KILLS")
                              : 200;
        QRandomGenerator random(20261208);
        std::map<qint64, qint64> newest; // row key -> its newest confirmed edit
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
            // Complete lines only: "EDIT KEY", the edit confirmed and the row it wrote.
            QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            lines.removeLast();
            for (const QByteArray& l : lines) {
                const QList<QByteArray> confirmed = l.split(' ');
                newest[confirmed.value(1).toLongLong()] = confirmed.value(0).toLongLong();
            }

            auto conn = fixture::connect(path);
            Statement check(conn->handle(), QStringLiteral("PRAGMA integrity_check"));
            QVERIFY(check.step());
            QCOMPARE(check.text(0), Value(QStringLiteral("ok")));
            // Every row holds its newest confirmed edit, or one made after it that the kill
            // came too early to confirm.
            Statement row(conn->handle(), QStringLiteral("SELECT DrinkName FROM drinklst WHERE zkey = ?1"));
            for (const auto& [key, edit] : newest) {
                row.reset();
                row.bind(1, key);
                const qint64 held = row.step() ? row.text(0).value_or(QString()).mid(5).toLongLong() : 0;
                QVERIFY2(
                    held >= edit,
                    qPrintable(QStringLiteral("round %1: edit %2 of row %3 is lost").arg(round).arg(edit).arg(key)));
            }
        }
        QVERIFY(!newest.empty());
    }
};

ZESTREL_TEST_MAIN(CrashTest)
#include "crash_test.moc"
