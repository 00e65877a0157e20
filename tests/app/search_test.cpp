// Confining the recipe list to a category and finding recipes by part of their name.
#include "app/frmMain.h"
#include "catalogue/categories.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/datacontrol.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

#include <QPushButton>

using app::frmMain;

using namespace fixture;

namespace {
const QString kEmpty = "You must enter at least some of the letters of the drink that you wish to search for into "
                       "the text box just to the right of the Search button.";
const QString kNone = "There are no drinks that match your search";
const QString kNoMore = "There are no more drinks that match your search";

// The fixture's categories hold the recipes whose name has the category's name as a word.
const QStringList kBar = {"Whiskey Sour", "Gin Fizz", "Rum  Runner", "Gin Sour", "O'Brien Sling",
                          "Pisco Sour", "Rum 50*50", "Tom Collins"};

bool findNextEnabled(frmMain* w) { return w->findChild<QPushButton*>("cmdFindNext")->isEnabled(); }
} // namespace

class SearchTest : public QObject {
    Q_OBJECT

    frmMain* w = nullptr;

    void search(const QString& text)
    {
        typeOver(box(w, "txtSearchString"), text);
        click(w, "cmdSearch");
    }

private slots:
    void cleanup()
    {
        if (w)
            closeMain(w);
        w = nullptr;
    }

    void everyCategoryOpensOnItsFirstRecipe()
    {
        // Each category's own recipe, in the reverse order of the menu, then a second gin drink.
        QStringList names;
        for (const catalogue::Category& c : catalogue::categories())
            names.prepend(c.query + " Special");
        names << "Gin Rickey";
        installRecipes(names);
        w = openMain();
        // The file's categories follow the program's rules, whatever the file was written with.
        for (const catalogue::Category& c : catalogue::categories()) {
            const QString first = namesInFile(c.query).value(0);
            w->findChild<QAction*>(c.menuName)->trigger();
            QCOMPARE(name(w), first);
            QCOMPARE(caption(w), QString(first.isEmpty() ? "Drink# 0" : "Drink# 1"));
            QCOMPARE(box(w, "txtFields(2)")->text(), first.isEmpty() ? QString() : first + " base");
        }
        QCOMPARE(namesInFile("Gin"), QStringList({"Gin Special", "Gin Rickey"}));
        click(w, "cmdNext");
        QCOMPARE(caption(w), QString("Drink# 0"));   // one wine drink
        w->findChild<QAction*>("mnuGin")->trigger();
        click(w, "cmdEndofList");
        QCOMPARE(name(w), QString("Gin Rickey"));
        click(w, "cmdRefresh");                      // stays in the category
        QCOMPARE(name(w), QString("Gin Special"));
        w->findChild<QAction*>("mnuViewAll")->trigger();
        QCOMPARE(name(w), names.first());
        click(w, "cmdEndofList");
        QCOMPARE(caption(w), QString("Drink# %1").arg(names.size()));
    }

    void searchAndFindNextWalkTheMatches()
    {
        installRecipes(kBar);
        Messages messages;
        w = openMain();
        QVERIFY(!findNextEnabled(w));
        search("SOUR");
        QCOMPARE(name(w), QString("Whiskey Sour"));
        QCOMPARE(caption(w), QString("Drink# 1"));
        QVERIFY(findNextEnabled(w));
        click(w, "cmdFindNext");
        QCOMPARE(name(w), QString("Gin Sour"));
        click(w, "cmdFindNext");
        QCOMPARE(name(w), QString("Pisco Sour"));
        QCOMPARE(caption(w), QString("Drink# 6"));
        QVERIFY(messages.texts().isEmpty());
        click(w, "cmdFindNext");
        QCOMPARE(messages.texts(), QStringList{kNoMore});
        QVERIFY(!findNextEnabled(w));

        search("isco s");                            // small letters, the middle of a name
        QCOMPARE(name(w), QString("Pisco Sour"));
        search("Mai Tai");
        QCOMPARE(messages.texts(), (QStringList{kNoMore, kNone}));
        QVERIFY(!findNextEnabled(w));
        QVERIFY(platform::cursor::current() == platform::cursor::Shape::Arrow);
    }

    void theTextInTheBoxCounts()
    {
        installRecipes(kBar);
        Messages messages;
        w = openMain();
        search("gin");
        QCOMPARE(name(w), QString("Gin Fizz"));
        search("");                                  // empty: a message, nothing else changes
        QCOMPARE(messages.texts(), QStringList{kEmpty});
        QCOMPARE(name(w), QString("Gin Fizz"));
        QVERIFY(findNextEnabled(w));
        typeOver(box(w, "txtSearchString"), "sour");     // changed text: on from the current recipe
        click(w, "cmdFindNext");
        QCOMPARE(name(w), QString("Gin Sour"));
        search("  ");                                // spaces are text like any other
        QCOMPARE(name(w), QString("Rum  Runner"));
        QCOMPARE(messages.texts().size(), 1);
    }

    void findNextAfterAChangeOfCategory()
    {
        installRecipes(kBar);
        Messages messages;
        w = openMain();
        w->findChild<QAction*>("mnuGin")->trigger();
        search("sour");
        QCOMPARE(name(w), QString("Gin Sour"));
        QCOMPARE(caption(w), QString("Drink# 2"));
        w->findChild<QAction*>("mnuViewAll")->trigger();
        QVERIFY(findNextEnabled(w));                 // a category change leaves the button alone
        click(w, "cmdFindNext");                     // the whole table, after its first recipe
        QCOMPARE(name(w), QString("Gin Sour"));
        QCOMPARE(caption(w), QString("Drink# 4"));
        QVERIFY(messages.texts().isEmpty());
    }

    void quotesAndPatternCharacters()
    {
        installRecipes(kBar);
        Messages messages;
        w = openMain();
        search("o'brien");                           // a quote is matched as itself
        QCOMPARE(name(w), QString("O'Brien Sling"));
        search("'");
        QCOMPARE(name(w), QString("O'Brien Sling"));
        search("Rum ##");                            // pattern characters keep their meaning
        QCOMPARE(name(w), QString("Rum 50*50"));
        search("s?ur");
        QCOMPARE(name(w), QString("Whiskey Sour"));
        search("g*z");
        QCOMPARE(name(w), QString("Gin Fizz"));
        search("[tw]");
        QCOMPARE(name(w), QString("Whiskey Sour"));
        QVERIFY(messages.texts().isEmpty());

        search("Gin [");                             // a pattern that cannot be read: said so
        QCOMPARE(messages.texts(), QStringList{"The search pattern is not valid: a '[' has no closing ']'."});
        QCOMPARE(name(w), QString("Whiskey Sour"));
        QVERIFY(platform::cursor::current() == platform::cursor::Shape::Arrow);
        search("collins");
        QCOMPARE(name(w), QString("Tom Collins"));
    }

    void aCategoryThatCannotOpenIsReported()
    {
        installRecipes(kBar);
        Messages messages;
        w = openMain();
        execInFile("DROP VIEW Gin");                 // after the opening, which would rebuild it
        choose(w, "mnuGin");
        QCOMPARE(messages.texts(), QStringList{"The database holds no table or query named 'Gin'."});
        QCOMPARE(name(w), QString());
        QVERIFY(platform::cursor::current() == platform::cursor::Shape::Arrow);
        choose(w, "mnuRum");                         // the window goes on
        QCOMPARE(name(w), QString("Rum  Runner"));
        QCOMPARE(caption(w), QString("Drink# 1"));
        QCOMPARE(messages.texts().size(), 1);
    }
};

ZESTREL_TEST_MAIN(SearchTest)
#include "search_test.moc"
