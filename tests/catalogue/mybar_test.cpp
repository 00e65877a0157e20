// My Bar's index and reckoning: how ingredient lines read, what a shelf makes on a small
// catalogue, and the index kept right whichever program writes the file.
#include "catalogue/mybar/bar.h"
#include "catalogue/mybar/index.h"
#include "catalogue/upgrade.h"
#include "tests/common/testmain.h"
#include "tests/common/ui.h"
#include "tests/platform/database/fixture.h"

#include <QProcess>

using namespace platform::db;
using catalogue::mybar::Bar;

namespace {

catalogue::Recipe drink(const QString& name, const QStringList& lines)
{
    catalogue::Recipe r = fixture::recipe(name);
    r.ing = {};
    for (int i = 0; i < lines.size(); ++i)
        r.ing[size_t(i)] = lines[i];
    return r;
}

// The small bar: with gin, lime juice and sugar (a staple) on hand, a Gimlet can be made (its
// wedge is a garnish), a Tom Collins lacks soda, a Negroni lacks two, an empty recipe is never
// "made".
catalogue::Content smallBar()
{
    catalogue::Content c = fixture::content(0);
    c.recipes = {drink("Gimlet", {"Gin", "Fresh lime juice", "Simple syrup", "Lime wedge"}),
                 drink("Tom Collins", {"Gin", "Fresh lemon juice", "Sugar", "Club soda"}),
                 drink("Daiquiri", {"White rum", "Lime juice", "simple syrup"}),
                 drink("Negroni", {"Gin", "Campari", "Sweet vermouth", "Orange twist"}),
                 drink("Rum and Soda", {"Light rum", "Soda water"}),
                 drink("Nothing", {})};
    return c;
}

// Every row of the index, as "drink name: line ingredient [garnish]", sorted.
QStringList indexRows(Connection& db)
{
    Statement st(db.handle(), QStringLiteral("SELECT d.DrinkName, u.line, u.ingredient, u.garnish FROM mybar_uses AS u "
                                             "JOIN drinklst AS d ON d.zkey = u.zkey ORDER BY 1, 2"));
    QStringList rows;
    while (st.step())
        rows << QStringLiteral("%1: %2 %3%4")
                    .arg(*st.text(0))
                    .arg(st.int64(1))
                    .arg(*st.text(2), st.int64(3) ? QStringLiteral(" [garnish]") : QString());
    return rows;
}

// The index as a full rebuild makes it.
QStringList rebuiltRows(Connection& db)
{
    db.exec(QStringLiteral("BEGIN"));
    catalogue::mybar::fillIndex(db);
    const QStringList rows = indexRows(db);
    db.exec(QStringLiteral("ROLLBACK"));
    return rows;
}

QStringList names(const Bar& bar, const std::vector<int>& drinks)
{
    QStringList out;
    for (int d : drinks)
        out << bar.drinks()[size_t(d)].name;
    return out;
}

void tick(Bar& bar, const QString& ingredient, bool onHand)
{
    const int i = bar.ingredient(ingredient);
    QVERIFY2(i >= 0, qPrintable(ingredient));
    bar.setOnHand(i, onHand);
}

} // namespace

class MyBarTest : public QObject {
    Q_OBJECT

private slots:
    // Lines as the supplied catalogue writes them, and as people mistype them.
    void linesReadAsCanonicalIngredients_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("ingredient");
        QTest::addColumn<bool>("garnish");
        const auto row = [](const char* line, const char* ingredient, bool garnish = false) {
            QTest::newRow(line) << QString::fromUtf8(line) << QString::fromUtf8(ingredient) << garnish;
        };
        row("Fresh lime juice", "lime juice");
        row("  LIME   JUICE. ", "lime juice");
        row("Simple syrup", "simple syrup");
        row("Gomme syrup", "simple syrup");
        row("Light rum", "white rum");
        row("Cointreau", "triple sec");
        row("Peychaud's bitters", "peychauds bitters");
        row("Lemon-lime soda", "lemon lime soda");
        row("Orange, sliced", "orange");
        row("Heavy cream, lightly whipped", "cream");
        row("Vanilla liqueur (licor 43)", "vanilla liqueur");
        row("Limes", "lime");
        row("Fresh lime juice, squeezed at the last moment from two ripe limes", "lime juice");
        row("Lime wedge", "lime", true);
        row("Lemon twist", "lemon peel", true);
        row("Cocktail cherries", "cocktail cherry", true);
        row("Superfine sugar for the rim", "sugar", true);
        row("Mint sprig", "mint sprig", true);
        row("Dried hibiscus flowers", "dried hibiscus flowers");
        row("!!! ... ---", "");
        row("", "");
    }
    void linesReadAsCanonicalIngredients()
    {
        QFETCH(QString, line);
        QFETCH(QString, ingredient);
        QFETCH(bool, garnish);
        static const auto db = fixture::connect(fixture::build(fixture::content(1)));
        const catalogue::mybar::Reading reading = catalogue::mybar::canonical(*db, line);
        QCOMPARE(reading.ingredient, ingredient);
        QCOMPARE(reading.garnish, garnish);
    }

    void shelfMakesDrinksAndNamesWhatToBuy()
    {
        const auto db = fixture::connect(fixture::build(smallBar()));
        Bar bar;
        bar.load(*db);
        QVERIFY(names(bar, bar.canMake()).isEmpty()); // only the staples are on hand
        tick(bar, QStringLiteral("gin"), true);
        tick(bar, QStringLiteral("lime juice"), true);
        tick(bar, QStringLiteral("simple syrup"), true);
        tick(bar, QStringLiteral("lemon juice"), true);
        QCOMPARE(names(bar, bar.canMake()), QStringList{QStringLiteral("Gimlet")});
        QStringList away;
        for (const catalogue::mybar::Missing& m : bar.oneAway())
            away << bar.drinks()[size_t(m.drink)].name + " needs " + bar.shelf()[size_t(m.ingredient)].name;
        QCOMPARE(away, (QStringList{"Daiquiri needs white rum", "Tom Collins needs soda water"}));
        QStringList buy;
        for (const catalogue::mybar::Purchase& p : bar.buyNext(5))
            buy << QStringLiteral("%1 %2").arg(bar.shelf()[size_t(p.ingredient)].name).arg(p.drinks);
        QCOMPARE(buy, (QStringList{"soda water 1", "white rum 1"}));

        tick(bar, QStringLiteral("white rum"), true); // Rum and Soda now lacks only soda
        tick(bar, QStringLiteral("sugar"), false); // a staple can be taken off the shelf
        QCOMPARE(names(bar, bar.canMake()), (QStringList{"Daiquiri", "Gimlet"}));
        QCOMPARE(bar.buyNext(1).size(), size_t(1));
        QCOMPARE(bar.shelf()[size_t(bar.buyNext(1)[0].ingredient)].name, QStringLiteral("soda water"));
        QCOMPARE(bar.buyNext(1)[0].drinks, 1); // Tom Collins also lacks its sugar now

        const auto ingredients = [&](const QStringList& list) {
            std::vector<int> ids;
            for (const QString& name : list)
                ids.push_back(bar.ingredient(name));
            return ids;
        };
        QCOMPARE(names(bar, bar.using_(ingredients({"gin"}))), (QStringList{"Gimlet", "Negroni", "Tom Collins"}));
        QCOMPARE(names(bar, bar.using_(ingredients({"gin", "orange peel"}))), QStringList{"Negroni"});
    }

    void shelfIsKeptInTheFileAndOutlivesItsRecipes()
    {
        const QString path = fixture::build(smallBar());
        {
            const auto db = fixture::connect(path);
            catalogue::mybar::saveOnHand(*db, QStringLiteral("campari"), true);
            catalogue::mybar::saveOnHand(*db, QStringLiteral("sugar"), false);
            db->exec(QStringLiteral("DELETE FROM drinklst WHERE DrinkName = 'Negroni'"));
        }
        const auto db = fixture::connect(path);
        Bar bar;
        bar.load(*db);
        const catalogue::mybar::ShelfEntry& campari = bar.shelf()[size_t(bar.ingredient(QStringLiteral("campari")))];
        QVERIFY(campari.onHand);
        QVERIFY(!campari.used);
        QVERIFY(!bar.shelf()[size_t(bar.ingredient(QStringLiteral("sugar")))].onHand);
    }

    // Each write, by this program's engine or by a plain sqlcipher session, leaves the index as
    // a full rebuild makes it.
    void indexFollowsEveryWrite()
    {
        const QString path = fixture::build(smallBar());
        const auto db = fixture::connect(path);
        QCOMPARE(indexRows(*db), rebuiltRows(*db));
        QVERIFY(indexRows(*db).contains(QStringLiteral("Gimlet: 4 lime [garnish]")));

        db->exec(QStringLiteral(
            "INSERT INTO drinklst (DrinkName, Ing1, Ing2) VALUES ('Screwdriver', 'Vodka', 'Orange juice')"));
        db->exec(
            QStringLiteral("UPDATE drinklst SET Ing2 = 'Cointreau', Ing5 = 'Lemons' WHERE DrinkName = 'Daiquiri'"));
        db->exec(QStringLiteral("UPDATE drinklst SET Ing1 = NULL, Ing3 = '...' WHERE DrinkName = 'Rum and Soda'"));
        db->exec(QStringLiteral("DELETE FROM drinklst WHERE DrinkName = 'Negroni'"));
        QProcess shell;
        shell.start(QStringLiteral("sqlcipher"), {path});
        QVERIFY(shell.waitForStarted());
        shell.write("PRAGMA key='plumtonic';\n"
                    "INSERT INTO drinklst (DrinkName, Ing1) VALUES ('Shot', 'Tequila');\n"
                    "UPDATE drinklst SET Ing1 = 'Dark rum' WHERE DrinkName = 'Daiquiri';\n.quit\n");
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(shell.exitCode(), 0);

        const QStringList rows = indexRows(*db);
        QCOMPARE(rows, rebuiltRows(*db));
        QCOMPARE(rows.filter(QStringLiteral("Daiquiri")),
                 (QStringList{"Daiquiri: 1 dark rum", "Daiquiri: 2 triple sec", "Daiquiri: 3 simple syrup",
                              "Daiquiri: 5 lemon"}));
        QVERIFY(rows.contains(QStringLiteral("Shot: 1 tequila")));
        QVERIFY(rows.contains(QStringLiteral("Screwdriver: 2 orange juice")));
        QVERIFY(rows.filter(QStringLiteral("Negroni")).isEmpty());
        QCOMPARE(rows.filter(QStringLiteral("Rum and Soda")), QStringList{"Rum and Soda: 2 soda water"});
    }

    // A file from before the index, and one whose triggers an earlier program dropped before
    // writing: the index is made on opening, in one transaction, and nothing else changes.
    void openingMakesTheIndexWhereItIsMissingOrBehind_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("no index") << QStringLiteral(
            "DROP TRIGGER mybar_insert; DROP TRIGGER mybar_update; DROP TRIGGER mybar_delete; DROP TABLE mybar_terms; "
            "DROP TABLE mybar_marks; DROP TABLE mybar_state; DROP TABLE mybar_uses; "
            "DROP TABLE mybar_shelf; INSERT INTO drinklst (DrinkName, Ing1) VALUES ('Shot', 'Tequila')");
        QTest::newRow("triggers dropped")
            << QStringLiteral("DROP TRIGGER mybar_insert; DROP TRIGGER mybar_update; INSERT INTO drinklst (DrinkName, "
                              "Ing1) VALUES ('Shot', 'Tequila')");
    }
    void openingMakesTheIndexWhereItIsMissingOrBehind()
    {
        QFETCH(QString, change);
        const QString path = fixture::build(smallBar());
        const auto db = fixture::connect(path);
        db->exec(change);
        const QStringList recipes = fixture::names(path);
        QVERIFY(!catalogue::mybar::indexCurrent(*db));
        catalogue::prepareCatalogue(*db);
        QVERIFY(catalogue::mybar::indexCurrent(*db));
        QVERIFY(indexRows(*db).contains(QStringLiteral("Shot: 1 tequila")));
        QCOMPARE(fixture::names(path), recipes);
        QCOMPARE(fixture::integrity(path), QStringLiteral("ok"));
    }

    // A file that cannot be written (here: another program holds its write lock) and has no
    // index is read through one made for the connection alone; a tick is refused and the file
    // stays as it was.
    void fileThatCannotBeWrittenIsReadButNotChanged()
    {
        const QString path = fixture::build(smallBar());
        fixture::connect(path)->exec(QStringLiteral("DROP TABLE mybar_uses; DROP TABLE mybar_shelf"));
        const QStringList recipes = fixture::names(path);
        auto holder = fixture::connect(path);
        holder->exec(QStringLiteral("BEGIN IMMEDIATE"));
        Connection::setBusyTimeout(50);
        ui::OnExit restore([] { Connection::setBusyTimeout(5000); });
        const auto db = fixture::connect(path);
        catalogue::prepareCatalogue(*db);
        Bar bar;
        bar.load(*db);
        QCOMPARE(bar.canMake().size(), size_t(0));
        QVERIFY(bar.ingredient(QStringLiteral("campari")) >= 0);
        bool refused = false;
        try {
            catalogue::mybar::saveOnHand(*db, QStringLiteral("gin"), true);
        } catch (const Error&) {
            refused = true;
        }
        QVERIFY(refused);
        holder->exec(QStringLiteral("ROLLBACK"));
        QVERIFY(!catalogue::mybar::indexCurrent(*fixture::connect(path)));
        QCOMPARE(fixture::names(path), recipes);
    }
};

ZESTREL_TEST_MAIN(MyBarTest)
#include "mybar_test.moc"
