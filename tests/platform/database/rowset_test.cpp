// Moving through a row set: positions, ends, bookmarks and deleted rows.
#include "fixture.h"
#include "tests/common/testmain.h"

using namespace platform::db;

namespace {
QString name(const RowSet& rs) { return rs.values().empty() ? QString() : rs.values()[0].value_or(QString()); }

// Counts the events a row set raises.
struct Listener : RowSetListener {
    QList<int> actions;
    int repositions = 0;
    void rowLeaving(int action) override { actions << action; }
    void rowEntered() override { ++repositions; }
};
} // namespace

class RowsetTest : public QObject {
    Q_OBJECT

private slots:
    void emptySetIsAtBothEnds()
    {
        auto rs = fixture::open(fixture::build(fixture::content(0)));
        QVERIFY(rs->isBOF());
        QVERIFY(rs->isEOF());
        QCOMPARE(rs->AbsolutePosition(), -1);
        QVERIFY(!rs->NoMatch());
        QVERIFY_DB_ERROR(rs->MoveFirst(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->MoveLast(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->MoveNext(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->MovePrevious(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->Delete(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->Bookmark(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->LastModified(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->save(std::vector<Value>(23)), NoCurrentRecord);
    }

    void movesWalkOffBothEnds()
    {
        auto rs = fixture::open(fixture::build(fixture::content(3)));
        QCOMPARE(rs->AbsolutePosition(), 0);
        rs->MovePrevious();
        QVERIFY(rs->isBOF() && !rs->isEOF());
        QCOMPARE(rs->AbsolutePosition(), -1);
        QVERIFY_DB_ERROR(rs->MovePrevious(), NoCurrentRecord);
        rs->MoveNext();
        QCOMPARE(name(*rs), QStringLiteral("Drink 1"));
        rs->MoveLast();
        QCOMPARE(rs->AbsolutePosition(), 2);
        rs->MoveNext();
        QVERIFY(rs->isEOF());
        QCOMPARE(rs->AbsolutePosition(), -1);
        QCOMPARE(name(*rs), QString());
        QVERIFY_DB_ERROR(rs->MoveNext(), NoCurrentRecord);
        rs->MovePrevious();
        QCOMPARE(name(*rs), QStringLiteral("Drink 3"));
        rs->MoveFirst();
        QCOMPARE(name(*rs), QStringLiteral("Drink 1"));
    }

    void bookmarksReturnToARow()
    {
        auto rs = fixture::open(fixture::build(fixture::content(5)));
        rs->MoveNext();
        rs->MoveNext();
        const BookmarkId third = rs->Bookmark();
        rs->MoveLast();
        rs->setBookmark(third);
        QCOMPARE(name(*rs), QStringLiteral("Drink 3"));
        QVERIFY_DB_ERROR(rs->setBookmark(99), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->setBookmark(-1), NoCurrentRecord);
    }

    void deletedRowStaysCurrentUntilLeft()
    {
        const QString path = fixture::build(fixture::content(4));
        auto rs = fixture::open(path);
        rs->MoveNext(); // Drink 2
        const BookmarkId second = rs->Bookmark();
        rs->Delete();
        QCOMPARE(fixture::names(path), QStringList({"Drink 1", "Drink 3", "Drink 4"}));
        QVERIFY(!rs->isEOF() && !rs->isBOF());
        QVERIFY_DB_ERROR(rs->AbsolutePosition(), RecordDeleted);
        QVERIFY_DB_ERROR(rs->Delete(), RecordDeleted);
        QVERIFY_DB_ERROR(rs->save(std::vector<Value>(23)), RecordDeleted);
        QVERIFY_DB_ERROR(rs->Bookmark(), RecordDeleted);
        rs->MoveNext();
        QCOMPARE(name(*rs), QStringLiteral("Drink 3"));
        QCOMPARE(rs->AbsolutePosition(), 1); // positions count live rows only
        rs->MovePrevious();
        QCOMPARE(name(*rs), QStringLiteral("Drink 1")); // the deleted row is skipped
        QVERIFY_DB_ERROR(rs->setBookmark(second), RecordDeleted);
        QCOMPARE(rs->keyCount(), 4);
    }

    void deletingEveryRowLeavesBothEnds()
    {
        auto rs = fixture::open(fixture::build(fixture::content(1)));
        rs->Delete();
        QVERIFY(rs->isEOF() && rs->isBOF());
        QVERIFY_DB_ERROR(rs->MoveNext(), NoCurrentRecord);
        QVERIFY_DB_ERROR(rs->MoveLast(), NoCurrentRecord);
    }

    void rowDeletedElsewhereShowsAsDeleted()
    {
        const QString path = fixture::build(fixture::content(3));
        auto mine = fixture::open(path);
        auto theirs = fixture::open(path);
        theirs->MoveNext();
        theirs->Delete();
        mine->MoveNext();
        QVERIFY(!mine->hasCurrent());
        QVERIFY_DB_ERROR(mine->AbsolutePosition(), RecordDeleted);
        mine->MoveNext();
        QCOMPARE(name(*mine), QStringLiteral("Drink 3"));
    }

    // Row sets on one connection reuse its prepared statements: two open at once move on their
    // own, and a source redefined in between shows its new columns and rows.
    void rowSetsOnOneConnection()
    {
        auto conn = fixture::connect(fixture::build(fixture::content(3)));
        RowSet first(conn, QStringLiteral("drinklst")), second(conn, QStringLiteral("drinklst"));
        second.MoveNext();
        first.MoveLast();
        QCOMPARE(name(first), QStringLiteral("Drink 3"));
        QCOMPARE(name(second), QStringLiteral("Drink 2"));
        conn->exec(QStringLiteral("CREATE VIEW Few AS SELECT zkey, DrinkName FROM drinklst"));
        QCOMPARE(RowSet(conn, QStringLiteral("Few")).fields().size(), 1);
        conn->exec(QStringLiteral("DROP VIEW Few; CREATE VIEW Few AS SELECT zkey, DrinkName, Glass FROM drinklst WHERE zkey > 1"));
        const RowSet few(conn, QStringLiteral("Few"));
        QCOMPARE(few.fields(), (QStringList{QStringLiteral("DrinkName"), QStringLiteral("Glass")}));
        QCOMPARE(name(few), QStringLiteral("Drink 2"));
    }

    // Keys are read a page at a time as the position moves; another program deletes rows on
    // both sides of a page's end and adds one while the set is open.
    void pagesOfKeysFollowTheMoves()
    {
        const QString path = fixture::build(fixture::content(1000));
        auto rs = fixture::open(path);
        fixture::connect(path)->exec(QStringLiteral("DELETE FROM drinklst WHERE zkey IN (2, 200, 201, 950); "
                                                    "INSERT INTO drinklst (DrinkName) VALUES ('Late')"));
        QStringList expected;
        for (int i = 1; i <= 1000; ++i)
            if (i != 2 && i != 200 && i != 201 && i != 950)
                expected << QStringLiteral("Drink %1").arg(i);
        QStringList forward, backward;
        for (; !rs->isEOF(); rs->MoveNext())
            if (rs->hasCurrent()) {
                QCOMPARE(rs->AbsolutePosition(), forward.size());
                forward << name(*rs);
            }
        QCOMPARE(forward, expected);
        rs->MoveLast();
        for (; !rs->isBOF(); rs->MovePrevious())
            if (rs->hasCurrent()) {
                QCOMPARE(rs->AbsolutePosition(), expected.indexOf(name(*rs)));
                backward.prepend(name(*rs));
            }
        QCOMPARE(backward, expected);
        QCOMPARE(rs->keyCount(), 998); // the two deleted after their keys were read stay as deleted

        auto fresh = fixture::open(path);
        fresh->FindFirst(QStringLiteral("DrinkName Like 'Drink 999'"));
        QCOMPARE(fresh->AbsolutePosition(), expected.indexOf(QStringLiteral("Drink 999")));
        fresh = fixture::open(path);
        fresh->AddNew();
        std::vector<Value> mine(23);
        mine[0] = QStringLiteral("Mine");
        fresh->save(mine);
        fresh->setBookmark(fresh->LastModified());
        QCOMPARE(fresh->AbsolutePosition(), expected.size() + 1); // after every row, 'Late' included
    }

    void eventsComeInOrder()
    {
        auto rs = fixture::open(fixture::build(fixture::content(3)));
        Listener l;
        rs->setListener(&l);
        rs->MoveNext();
        rs->MoveLast();
        rs->MovePrevious();
        rs->MoveFirst();
        rs->AddNew();
        rs->setBookmark(1);
        rs->FindFirst(QStringLiteral("DrinkName Like '*3'"));
        rs->Delete();
        QCOMPARE(l.actions, QList<int>({ActionMoveNext, ActionMoveLast, ActionMovePrevious, ActionMoveFirst, ActionAddNew,
                                        ActionBookmark, ActionFind, ActionDelete}));
        QCOMPARE(l.repositions, 7); // a delete raises none until the next move
        QVERIFY_DB_ERROR(rs->FindFirst(QStringLiteral("DrinkName Like '*")), SyntaxInCriteria);
        QCOMPARE(l.actions.size(), 8); // a bad criteria changes nothing, not even the events
    }
};

ZESTREL_TEST_MAIN(RowsetTest)
#include "rowset_test.moc"
