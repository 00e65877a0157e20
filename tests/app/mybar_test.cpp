// My Bar driven as a user drives it, by its controls' names: opened from the View menu, ticks
// that change the lists at once and stay in the file, the search by ingredient, a drink shown in
// the main window, writes of another window, and a file that cannot be written.
#include "app/frmMain.h"
#include "app/frmMyBar.h"
#include "platform/database/connection.h"
#include "platform/forms.h"
#include "platform/paths.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

using namespace fixture;
using ui::OnExit;

namespace {

// Gimlet: gin, lime juice, lime wedge; Daiquiri: white rum, lime juice, sugar; Screwdriver:
// vodka, orange juice.
void installBar()
{
    installRecipes({"Screwdriver", "Gimlet", "Daiquiri", "Gin Fizz"});
    execInFile(
        "UPDATE drinklst SET Ing1 = 'Vodka', Ing2 = 'Fresh orange juice' WHERE DrinkName = 'Screwdriver';"
        "UPDATE drinklst SET Ing1 = 'Gin', Ing2 = 'Fresh lime juice', Ing3 = 'Lime wedge' WHERE DrinkName = 'Gimlet';"
        "UPDATE drinklst SET Ing1 = 'Light rum', Ing2 = 'Lime juice', Ing3 = 'Sugar' WHERE DrinkName = 'Daiquiri';"
        "UPDATE drinklst SET Ing1 = 'Gin', Ing2 = 'Lemon juice', Ing3 = 'Club soda' WHERE DrinkName = 'Gin Fizz'");
}

QStringList rows(QWidget* bar, const char* list)
{
    auto* view = bar->findChild<QAbstractItemView*>(QString::fromLatin1(list));
    QStringList out;
    for (int r = 0; view && r < view->model()->rowCount(); ++r)
        out << view->model()->index(r, 0).data().toString();
    return out;
}

QString label(QWidget* bar, const char* name) { return bar->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

// Ticks or unticks the shelf's row of that name, as a click on its box does.
void tick(QWidget* bar, const QString& ingredient, bool onHand)
{
    auto* shelf = bar->findChild<QTreeWidget*>(QStringLiteral("lstShelf"));
    const QList<QTreeWidgetItem*> found = shelf->findItems(ingredient, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    found[0]->setCheckState(0, onHand ? Qt::Checked : Qt::Unchecked);
}

bool ticked(QWidget* bar, const QString& ingredient)
{
    auto* shelf = bar->findChild<QTreeWidget*>(QStringLiteral("lstShelf"));
    return shelf->findItems(ingredient, Qt::MatchExactly | Qt::MatchRecursive).value(0)->checkState(0) == Qt::Checked;
}

QStringList shelfInFile()
{
    platform::db::Connection db(platform::paths::resolve(catalogue::kDatabasePath), catalogue::kConnect);
    platform::db::Statement st(db.handle(),
                               QStringLiteral("SELECT ingredient || '=' || on_hand FROM mybar_shelf ORDER BY 1"));
    QStringList out;
    while (st.step())
        out << *st.text(0);
    return out;
}

QWidget* openBar(frmMain* main)
{
    choose(main, QStringLiteral("mnuMyBar"));
    return platform::forms::find(QStringLiteral("frmMyBar"));
}

} // namespace

class MyBarWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { installBar(); }

    void opensOnceFromTheEndOfTheViewMenu()
    {
        frmMain* main = openMain();
        OnExit close([main] { closeMain(main); });
        auto* view = main->findChild<QMenu*>(QStringLiteral("mnuView"));
        QAction* item = view->actions().constLast();
        QCOMPARE(item->objectName(), QStringLiteral("mnuMyBar"));
        QCOMPARE(item->text(), QStringLiteral("My Bar..."));
        QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
        QWidget* bar = openBar(main);
        QVERIFY(bar);
        QCOMPARE(bar->windowTitle(), QStringLiteral("My Bar"));
        QCOMPARE(openBar(main), bar);
        QCOMPARE(platform::forms::openWindows().count(bar), 1);
    }

    void ticksChangeTheListsAtOnceAndStayInTheFile()
    {
        frmMain* main = openMain();
        OnExit close([main] { closeMain(main); });
        QWidget* bar = openBar(main);
        QVERIFY(rows(bar, "lstCanMake").isEmpty());
        QVERIFY(ticked(bar, QStringLiteral("sugar"))); // a staple
        tick(bar, QStringLiteral("gin"), true);
        tick(bar, QStringLiteral("lime juice"), true);
        QCOMPARE(rows(bar, "lstCanMake"), QStringList{"Gimlet"});
        QCOMPARE(label(bar, "lblCanMake"), QStringLiteral("You can make 1 drink"));
        QCOMPARE(rows(bar, "lstOneAway"), QStringList{"Daiquiri (needs white rum)"});
        QCOMPARE(label(bar, "lblOneAway"), QStringLiteral("One ingredient away: 1"));
        QCOMPARE(rows(bar, "lstBuyNext"), QStringList{"white rum (1 more drink)"});
        tick(bar, QStringLiteral("sugar"), false);
        QVERIFY(rows(bar, "lstOneAway").isEmpty());
        QCOMPARE(shelfInFile(), (QStringList{"gin=1", "lime juice=1", "sugar=0"}));

        // The filter hides what it does not name, headings included.
        typeOver(box(bar, QStringLiteral("txtShelfFilter")), QStringLiteral("juice"));
        auto* shelf = bar->findChild<QTreeWidget*>(QStringLiteral("lstShelf"));
        QVERIFY(shelf->findItems(QStringLiteral("gin"), Qt::MatchExactly | Qt::MatchRecursive)[0]->isHidden());
        QVERIFY(!shelf->findItems(QStringLiteral("lime juice"), Qt::MatchExactly | Qt::MatchRecursive)[0]->isHidden());
        QVERIFY(shelf->findItems(QStringLiteral("Spirits"), Qt::MatchExactly)[0]->isHidden());
    }

    void searchFindsDrinksByEveryIngredientNamed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("one") << "LIME JUICE" << QStringList{"Daiquiri", "Gimlet"};
        QTest::newRow("two, a synonym") << "gin, fresh lime juice" << QStringList{"Gimlet"};
        QTest::newRow("a garnish counts") << "lime" << QStringList{"Gimlet"};
        QTest::newRow("none uses both") << "vodka, gin" << QStringList{"No drink uses all of these."};
        QTest::newRow("unknown") << "gin, unobtainium" << QStringList{"No drink uses \"unobtainium\"."};
    }
    void searchFindsDrinksByEveryIngredientNamed()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        frmMain* main = openMain();
        OnExit close([main] { closeMain(main); });
        Messages messages;
        QWidget* bar = openBar(main);
        typeOver(box(bar, QStringLiteral("txtIngredientSearch")), typed);
        click(bar, QStringLiteral("cmdIngredientSearch"));
        QCOMPARE(rows(bar, "lstIngredientResults"), listed);
        QVERIFY(messages.texts().isEmpty());
    }

    void enterOnADrinkShowsItUnderViewAllDrinks()
    {
        frmMain* main = openMain();
        OnExit close([main] { closeMain(main); });
        choose(main, QStringLiteral("mnuGin"));   // Gimlet and Gin Fizz
        QCOMPARE(name(main), QStringLiteral("Gimlet"));
        QWidget* bar = openBar(main);
        tick(bar, QStringLiteral("gin"), true);
        tick(bar, QStringLiteral("lime juice"), true);
        auto* away = bar->findChild<QAbstractItemView*>(QStringLiteral("lstOneAway"));
        away->setFocus();
        away->setCurrentIndex(away->model()->index(0, 0));
        QTest::keyClick(away, Qt::Key_Return);
        QCOMPARE(name(main), QStringLiteral("Daiquiri"));
        QCOMPARE(caption(main), QStringLiteral("Drink# 3"));
        // The whole list again: moving on reaches the drink after it in the table.
        click(main, QStringLiteral("cmdNext"));
        QCOMPARE(name(main), QStringLiteral("Gin Fizz"));
    }

    void writesElsewhereAreReadWhenTheWindowComesForward()
    {
        frmMain* main = openMain();
        OnExit close([main] { closeMain(main); });
        QWidget* bar = openBar(main);
        tick(bar, QStringLiteral("vodka"), true);
        QVERIFY(rows(bar, "lstCanMake").isEmpty());
        execInFile("INSERT INTO drinklst (DrinkName, Ing1, Ing2) VALUES ('Vodka Rocks', 'Vodka', 'Ice')");
        QMetaObject::invokeMethod(bar, "Form_Activate");
        QCOMPARE(rows(bar, "lstCanMake"), QStringList{"Vodka Rocks"});
        QVERIFY(ticked(bar, QStringLiteral("vodka")));
    }

    void tickOnAFileThatCannotBeWrittenIsRefusedWithOneMessage()
    {
        frmMain* main = openMain();
        OnExit close([main] { closeMain(main); });
        QWidget* bar = openBar(main);
        tick(bar, QStringLiteral("gin"), true);
        platform::db::Connection holder(platform::paths::resolve(catalogue::kDatabasePath), catalogue::kConnect);
        holder.exec(QStringLiteral("BEGIN IMMEDIATE"));
        platform::db::Connection::setBusyTimeout(50);
        OnExit restore([] { platform::db::Connection::setBusyTimeout(5000); });
        Messages messages;
        tick(bar, QStringLiteral("lime juice"), true);
        tick(bar, QStringLiteral("gin"), false);
        QCOMPARE(messages.shown.size(), 2); // one for each refused tick
        QVERIFY(messages.texts()[0].contains(QStringLiteral("cannot be written")));
        QVERIFY(!ticked(bar, QStringLiteral("lime juice")));
        QVERIFY(ticked(bar, QStringLiteral("gin")));
        QVERIFY(rows(bar, "lstCanMake").isEmpty());
        holder.exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(shelfInFile(), QStringList{"gin=1"});
    }
};

ZESTREL_TEST_MAIN(MyBarWindowTest)
#include "mybar_test.moc"
