// Saving rows: edits, additions, limits, conflicts between connections and locks.
#include "fixture.h"
#include "tests/common/testmain.h"
#include <QProcess>

using namespace platform::db;

namespace {
std::vector<Value> row(const RowSet& rs, const QString& drinkName)
{
    std::vector<Value> v = rs.values();
    v.resize(size_t(rs.fields().size()));
    v[size_t(rs.fieldIndex(QStringLiteral("DrinkName")))] = drinkName;
    return v;
}
} // namespace

class SavingTest : public QObject {
    Q_OBJECT

private slots:
    void editsAndAdditionsReachTheFile()
    {
        const QString path = fixture::build(fixture::content(3));
        auto rs = fixture::open(path);
        rs->MoveNext();
        rs->save(row(*rs, QStringLiteral("Second")));
        QCOMPARE(rs->LastModified(), rs->Bookmark());
        rs->AddNew();
        QVERIFY(rs->isAdding());
        QCOMPARE(rs->AbsolutePosition(), -1);
        std::vector<Value> fresh(23);
        fresh[0] = QStringLiteral("Fourth");
        rs->save(fresh);
        QVERIFY(!rs->isAdding());
        QCOMPARE(rs->keyCount(), 4);
        rs->setBookmark(rs->LastModified()); // the added row joined the end
        QCOMPARE(rs->AbsolutePosition(), 3);
        QCOMPARE(rs->values()[0], Value(QStringLiteral("Fourth")));
        QCOMPARE(fixture::names(path), QStringList({"Drink 1", "Second", "Drink 3", "Fourth"}));
    }

    void fiftyCharactersFitAndFiftyOneDoNot()
    {
        const QString path = fixture::build(fixture::content(2));
        auto rs = fixture::open(path);
        rs->save(row(*rs, QString(50, QLatin1Char('x'))));
        QCOMPARE(fixture::names(path).first().size(), 50);
        QVERIFY_DB_ERROR(rs->save(row(*rs, QString(51, QLatin1Char('y')))), FieldTooSmall);
        rs->AddNew();
        QVERIFY_DB_ERROR(rs->save(row(*rs, QString(51, QLatin1Char('z')))), FieldTooSmall);
        QCOMPARE(fixture::names(path), QStringList({QString(50, QLatin1Char('x')), "Drink 2"}));
        QCOMPARE(fixture::integrity(path), QStringLiteral("ok"));
        QVERIFY(Error(FieldTooSmall, QStringList{"DrinkName", "50"})
                    .description().contains(QStringLiteral("DrinkName takes at most 50 characters")));
    }

    void directionsKeepLineBreaksAndAnyLength()
    {
        const QString path = fixture::build(fixture::content(1));
        auto rs = fixture::open(path);
        std::vector<Value> v = rs->values();
        const int d = rs->fieldIndex(QStringLiteral("Directions"));
        const QString longText = QStringLiteral("Line one\nLine two\n") + QString(20000, QLatin1Char('w'));
        v[size_t(d)] = longText;
        rs->save(v);
        QCOMPARE(fixture::open(path)->values()[size_t(d)], Value(longText));
    }

    void twoConnectionsChangingOneRow()
    {
        const QString path = fixture::build(fixture::content(2));
        auto a = fixture::open(path);
        auto b = fixture::open(path);
        a->save(row(*a, QStringLiteral("From A")));
        QVERIFY_DB_ERROR(b->save(row(*b, QStringLiteral("From B"))), ChangedByOther);
        QCOMPARE(fixture::names(path), QStringList({"From A", "Drink 2"}));
        b->MoveNext();
        b->MovePrevious(); // re-reading the row picks up A's change, and B may save again
        QCOMPARE(b->values()[0], Value(QStringLiteral("From A")));
        b->save(row(*b, QStringLiteral("From B")));
        QCOMPARE(fixture::names(path), QStringList({"From B", "Drink 2"}));
        a->Delete();
        QVERIFY_DB_ERROR(b->save(row(*b, QStringLiteral("Again"))), RecordDeleted);
    }

    void queriesAreUpdatable()
    {
        const QString path = fixture::build(fixture::content(2, {fixture::recipe(QStringLiteral("Gin Rickey"), QStringLiteral("Gin"))}));
        auto gin = fixture::open(path, QStringLiteral("Gin"));
        QCOMPARE(gin->keyCount(), 1);
        gin->save(row(*gin, QStringLiteral("Lime Rickey")));
        gin->AddNew();
        std::vector<Value> v(23);
        v[0] = QStringLiteral("Gin Fizz");
        v[size_t(gin->fieldIndex(QStringLiteral("Ing1")))] = QStringLiteral("London dry gin");
        gin->save(v);
        QCOMPARE(fixture::names(path), QStringList({"Drink 1", "Drink 2", "Lime Rickey", "Gin Fizz"}));
        QCOMPARE(fixture::open(path, QStringLiteral("Gin"))->keyCount(), 2); // the new gin drink is in Gin
        QCOMPARE(fixture::open(path, QStringLiteral("NonAlcoholic"))->keyCount(), 2);
        gin->MoveFirst();
        gin->Delete();
        QCOMPARE(fixture::names(path), QStringList({"Drink 1", "Drink 2", "Gin Fizz"}));
    }

    void lockedFileIsReportedAfterTheBusyTimeout()
    {
        const QString path = fixture::build(fixture::content(2));
        auto rs = fixture::open(path);
        QProcess holder;
        holder.start(QStringLiteral("sqlcipher"), {path});
        QVERIFY(holder.waitForStarted());
        holder.write("PRAGMA key='plumtonic';\nBEGIN EXCLUSIVE;\nINSERT INTO joke(joke) VALUES('held');\n");
        Connection::setBusyTimeout(0);
        auto probe = fixture::connect(path);
        // The other process holds the lock once a write of ours can no longer begin.
        QTRY_VERIFY_WITH_TIMEOUT(sqlite3_exec(probe->handle(), "BEGIN IMMEDIATE; ROLLBACK;", nullptr, nullptr, nullptr) == SQLITE_BUSY, 10000);
        Connection::setBusyTimeout(300);
        auto slow = fixture::connect(path); // opened with the short timeout
        RowSet other(slow, QStringLiteral("drinklst"));
        QVERIFY_DB_ERROR(other.save(row(other, QStringLiteral("Blocked"))), RecordLocked);
        holder.write("ROLLBACK;\n.quit\n");
        QVERIFY(holder.waitForFinished(10000));
        other.MoveNext();
        other.MovePrevious();
        other.save(row(other, QStringLiteral("Free")));
        Connection::setBusyTimeout(5000);
        QCOMPARE(fixture::names(path), QStringList({"Free", "Drink 2"}));
        QCOMPARE(fixture::integrity(path), QStringLiteral("ok"));
    }
};

ZESTREL_TEST_MAIN(SavingTest)
#include "saving_test.moc"
