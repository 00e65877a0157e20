// Category membership kept in the file: the upgrade of an earlier file, writes from another
// program, the rule fix for beer, and stored queries or triggers that another program changed.
#include "catalogue/categories.h"
#include "catalogue/layout.h"
#include "catalogue/membership.h"
#include "catalogue/upgrade.h"
#include "tests/platform/database/fixture.h"
#include "tests/common/testmain.h"
#include <QProcess>

using namespace platform::db;

namespace {

// Each category's drink names, read through its stored query.
QMap<QString, QStringList> members(Connection& db)
{
    QMap<QString, QStringList> all;
    for (const catalogue::Category& c : catalogue::categories()) {
        Statement st(db.handle(), QStringLiteral("SELECT DrinkName FROM \"%1\" ORDER BY zkey").arg(c.query));
        while (st.step())
            all[c.query] << st.text(0).value_or(QString());
    }
    return all;
}

QStringList rows(Connection& db)
{
    Statement st(db.handle(), QStringLiteral("SELECT * FROM drinklst ORDER BY zkey"));
    QStringList out;
    while (st.step()) {
        QStringList row;
        for (int i = 0; i < st.columnCount(); ++i)
            row << st.text(i).value_or(QStringLiteral("<null>"));
        out << row.join(QLatin1Char('|'));
    }
    return out;
}

// The file as the program wrote it before membership was kept: stored queries that test each row.
void makeEarlierLayout(Connection& db)
{
    db.exec(QStringLiteral("DROP TRIGGER zcategory_insert; DROP TRIGGER zcategory_update; DROP TRIGGER zcategory_delete; "
                           "DROP TABLE zcategory_members; DROP INDEX drinklst_zkey"));
    for (const catalogue::Category& c : catalogue::categories())
        db.exec(QStringLiteral("DROP VIEW \"%1\"; CREATE VIEW \"%1\" AS SELECT * FROM drinklst WHERE %2")
                    .arg(c.query, catalogue::categoryCondition(c.query, catalogue::programRules(), catalogue::RuleInputs::ofColumns())));
}

void sqlcipherShell(const QString& path, const QByteArray& sql)
{
    QProcess shell;
    shell.start(QStringLiteral("sqlcipher"), {path});
    QVERIFY(shell.waitForStarted());
    shell.write("PRAGMA key='plumtonic';\n" + sql + "\n.quit\n");
    QVERIFY(shell.waitForFinished(10000));
}

QString supplied() { return fixture::build(catalogue::loadContent(QStringLiteral(ZESTREL_SOURCE_DIR "/content"))); }

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void earlierFileIsUpgradedWithEveryRowAndMember_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("writable") << false;
        QTest::newRow("locked: read through the slower queries") << true;
    }

    void earlierFileIsUpgradedWithEveryRowAndMember()
    {
        QFETCH(bool, locked);
        const QString path = supplied();
        auto db = fixture::connect(path);
        makeEarlierLayout(*db);
        const QStringList before = rows(*db);
        const auto memberships = members(*db);
        QCOMPARE(memberships.value(QStringLiteral("Gin")).size() > 10, true);
        auto holder = fixture::connect(path);
        if (locked) {
            Connection::setBusyTimeout(50);
            db = fixture::connect(path);
            holder->exec(QStringLiteral("BEGIN IMMEDIATE"));
        }
        catalogue::prepareCatalogue(*db);
        Connection::setBusyTimeout(5000);
        if (locked)
            holder->exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(catalogue::hasLayout(*db, catalogue::programRules()), !locked);
        QCOMPARE(rows(*db), before);
        QCOMPARE(members(*db), memberships);
    }

    void rowsWrittenByAnotherProgramJoinTheirCategories()
    {
        const QString path = fixture::build(fixture::content(2));
        sqlcipherShell(path, "INSERT INTO drinklst (DrinkName, Ing1, Ing2) VALUES ('Shell Sour', 'Bourbon', 'Lemon juice');\n"
                             "UPDATE drinklst SET Ing1 = 'London dry gin' WHERE DrinkName = 'Drink 1';");
        auto db = fixture::connect(path);
        const auto m = members(*db);
        QCOMPARE(m.value(QStringLiteral("Bourbon")), QStringList({"Shell Sour"}));
        QCOMPARE(m.value(QStringLiteral("Gin")), QStringList({"Drink 1"}));
        QCOMPARE(m.value(QStringLiteral("NonAlcoholic")), QStringList({"Drink 2"}));
        sqlcipherShell(path, "DELETE FROM drinklst WHERE DrinkName = 'Drink 1';");
        QCOMPARE(members(*db).value(QStringLiteral("Gin")), QStringList());
    }

    void gingerBeerIsNoBeer()
    {
        const QString path = fixture::build(fixture::content(0, {fixture::recipe(QStringLiteral("Moscow Mule"), QStringLiteral("Ginger beer")),
                                                                 fixture::recipe(QStringLiteral("Root Float"), QStringLiteral("Root beer")),
                                                                 fixture::recipe(QStringLiteral("Shandy"), QStringLiteral("Lager"))}));
        const auto m = members(*fixture::connect(path));
        QCOMPARE(m.value(QStringLiteral("Beer")), QStringList({"Shandy"}));
        QCOMPARE(m.value(QStringLiteral("NonAlcoholic")), QStringList({"Moscow Mule", "Root Float"}));
    }

    // Another program's stored query or trigger never runs: rebuilt when the file can be written,
    // else stood in front of (and saves refused while a foreign trigger is there).
    void changedLayoutIsRebuiltOrShadowed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("locked");
        const QString endless = QStringLiteral("DROP VIEW Gin; CREATE VIEW Gin AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                                               "SELECT drinklst.* FROM drinklst, n");
        const QString trigger = QStringLiteral("CREATE TRIGGER theirs AFTER UPDATE ON drinklst BEGIN DELETE FROM drinklst; END");
        const QString crafted = QStringLiteral("DROP VIEW Gin; CREATE VIEW Gin AS SELECT * FROM drinklst WHERE length(rtreenode(255, x'0000ffff')) > 0");
        QTest::newRow("crafted query") << crafted << false;
        QTest::newRow("crafted query, locked") << crafted << true;
        QTest::newRow("endless query") << endless << false;
        QTest::newRow("endless query, locked") << endless << true;
        QTest::newRow("foreign trigger") << trigger << false;
        QTest::newRow("foreign trigger, locked") << trigger << true;
    }

    void changedLayoutIsRebuiltOrShadowed()
    {
        QFETCH(QString, change);
        QFETCH(bool, locked);
        const QString path = fixture::build(fixture::content(3, {fixture::recipe(QStringLiteral("Gimlet"), QStringLiteral("Gin"))}));
        sqlcipherShell(path, change.toUtf8() + ";");
        auto holder = fixture::connect(path);
        Connection::setBusyTimeout(50);
        auto db = fixture::connect(path);
        if (locked)
            holder->exec(QStringLiteral("BEGIN IMMEDIATE"));
        catalogue::prepareCatalogue(*db);
        if (locked)
            holder->exec(QStringLiteral("ROLLBACK"));
        Connection::setBusyTimeout(5000);
        QCOMPARE(members(*db).value(QStringLiteral("Gin")), QStringList({"Gimlet"}));
        RowSet all(db, QStringLiteral("drinklst"));
        std::vector<Value> v = all.values();
        v[0] = QStringLiteral("Renamed");
        if (locked && change.contains(QLatin1String("TRIGGER")))
            QVERIFY_DB_ERROR(all.save(v), ReadOnlyFile);
        else
            all.save(v);
        QCOMPARE(fixture::names(path).size(), 4);
    }

    void recipeTableReplacedByAQueryIsRefused()
    {
        const QString path = fixture::build(fixture::content(2));
        sqlcipherShell(path, "ALTER TABLE drinklst RENAME TO drinklst_t; CREATE VIEW drinklst AS SELECT * FROM drinklst_t;");
        QVERIFY_DB_ERROR(catalogue::prepareCatalogue(*fixture::connect(path)), UnusableLayout);
    }
};

ZESTREL_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
