// The recipe view: moving through the recipes, adding, changing, deleting and re-reading them,
// when typed text reaches the file, and what the user is told when something fails.
#include "app/frmMain.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/forms.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

using app::frmMain;

using namespace fixture;

namespace {
const QString kAtBeginning = "You are already at the beginning of the list of drinks!";
const QString kAtEnd = "You are at the end of the list of drinks!";
const QString kNoCurrent = "There is no current record.";
const QStringList kThree = {"Negroni", "Sidecar", "Gimlet"};
bool arrowCursor() { return platform::cursor::current() == platform::cursor::Shape::Arrow; }
} // namespace

class RecipeViewTest : public QObject {
    Q_OBJECT

    frmMain* w = nullptr;

private slots:
    void cleanup()
    {
        if (w)
            closeMain(w);
        w = nullptr;
    }

    void movingToBothEnds()
    {
        installRecipes(kThree);
        Messages messages;
        w = openMain();
        QCOMPARE(platform::forms::openWindows().value(0), w);
        QCOMPARE(caption(w), QString("Drink# 1"));
        QCOMPARE(box(w, "txtFields(2)")->text(), QString("Negroni base"));
        QCOMPARE(box(w, "txtFields(21)")->text(), QString("Build over ice.\nStir once."));
        QCOMPARE(box(w, "txtGlassname")->text(), QString("Highball"));

        click(w, "cmdPrevious");                     // before the start: no recipe, no message
        QCOMPARE(caption(w), QString("Drink# 0"));
        QCOMPARE(name(w), QString());
        QVERIFY(messages.texts().isEmpty());
        click(w, "cmdPrevious");
        QCOMPARE(messages.texts(), QStringList{kAtBeginning});
        click(w, "cmdNext");
        QCOMPARE(name(w), QString("Negroni"));

        click(w, "cmdEndofList");
        QCOMPARE(caption(w), QString("Drink# 3"));
        click(w, "cmdNext");
        QCOMPARE(caption(w), QString("Drink# 0"));
        click(w, "cmdNext");
        QCOMPARE(messages.texts(), (QStringList{kAtBeginning, kAtEnd}));
        click(w, "cmdPrevious");
        QCOMPARE(name(w), QString("Gimlet"));

        for (const char* b : {"cmdBegofFile", "cmdBegofFile", "cmdEndofList", "cmdEndofList", "cmdPrevious"})
            click(w, b);
        QCOMPARE(caption(w), QString("Drink# 2"));
        QCOMPARE(messages.texts().size(), 2);          // Beginning and End of List say nothing
        QVERIFY(arrowCursor());
    }

    void anEmptyList()
    {
        installRecipes({});
        Messages messages;
        w = openMain();
        QCOMPARE(caption(w), QString("Drink# 0"));
        click(w, "cmdPrevious");
        click(w, "cmdNext");
        // Whatever needs a recipe fails with the engine's description; the window goes on.
        for (const char* b : {"cmdBegofFile", "cmdEndofList", "cmdDelete", "cmdUpdate"})
            click(w, b);
        QCOMPARE(messages.texts(), (QStringList{kAtBeginning, kAtEnd, kNoCurrent, kNoCurrent, kNoCurrent, kNoCurrent}));
        QCOMPARE(caption(w), QString("Drink# 0"));
        QVERIFY(arrowCursor());                      // not the hourglass of the failed Update
    }

    void addTypeUpdateKeepsTheNewRecipe()
    {
        installRecipes(kThree);
        w = openMain();
        click(w, "cmdNext");
        click(w, "cmdAdd");
        QCOMPARE(name(w), QString());
        QCOMPARE(box(w, "txtFields(21)")->text(), QString());
        typeOver(box(w, "txtFields(0)"), "Paloma");
        typeOver(box(w, "txtFields(21)"), "Salt the rim.\nTop with grapefruit soda.");
        click(w, "cmdUpdate");
        QCOMPARE(name(w), QString("Paloma"));
        QCOMPARE(caption(w), QString("Drink# 4"));
        QCOMPARE(namesInFile(), kThree + QStringList{"Paloma"});
        click(w, "cmdRefresh");
        click(w, "cmdEndofList");
        QCOMPARE(box(w, "txtFields(21)")->text(), QString("Salt the rim.\nTop with grapefruit soda."));
    }

    void deleting()
    {
        installRecipes({"Negroni", "Sidecar", "Gimlet", "Mojito"});
        Messages messages;
        w = openMain();
        click(w, "cmdNext");
        click(w, "cmdDelete");                       // in the middle: its successor
        QCOMPARE(name(w), QString("Gimlet"));
        QCOMPARE(caption(w), QString("Drink# 2"));
        click(w, "cmdEndofList");
        click(w, "cmdDelete");                       // the last: the new last
        QCOMPARE(name(w), QString("Gimlet"));
        QCOMPARE(caption(w), QString("Drink# 2"));
        click(w, "cmdNext");
        click(w, "cmdDelete");                       // off the rows: nothing to delete
        QCOMPARE(messages.texts(), QStringList{kNoCurrent});
        QCOMPARE(namesInFile(), (QStringList{"Negroni", "Gimlet"}));

        click(w, "cmdPrevious");
        click(w, "cmdDelete");
        QCOMPARE(name(w), QString("Negroni"));
        click(w, "cmdDelete");                       // the only one left: an empty list, no message
        QCOMPARE(namesInFile(), QStringList());
        QCOMPARE(caption(w), QString("Drink# 0"));
        QCOMPARE(name(w), QString());
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(arrowCursor());
    }

    void refreshReadsTheFileAgain()
    {
        installRecipes(kThree);
        w = openMain();
        click(w, "cmdEndofList");
        execInFile("UPDATE drinklst SET DrinkName = 'Boulevardier' WHERE DrinkName = 'Negroni'");
        click(w, "cmdRefresh");
        QCOMPARE(name(w), QString("Boulevardier"));
        QCOMPARE(caption(w), QString("Drink# 1"));
    }

    void typedTextIsSavedWhenTheRecipeIsLeft_data()
    {
        QTest::addColumn<QString>("leaving");
        for (const char* b : {"cmdNext", "cmdPrevious", "cmdBegofFile", "cmdEndofList", "cmdAdd", "cmdRefresh", "close"})
            QTest::newRow(b) << QString(b);
    }
    void typedTextIsSavedWhenTheRecipeIsLeft()
    {
        QFETCH(QString, leaving);
        installRecipes(kThree);
        Messages messages;
        w = openMain();
        click(w, "cmdNext");
        typeOver(box(w, "txtFields(0)"), "Sidecar Royale");
        typeOver(box(w, "txtGlassname"), "Cocktail");
        QCOMPARE(namesInFile(), kThree);             // nothing is written while typing
        if (leaving == "close") {
            closeMain(w);
            w = openMain();
        } else {
            click(w, leaving);
        }
        QCOMPARE(namesInFile(), (QStringList{"Negroni", "Sidecar Royale", "Gimlet"}));
        click(w, "cmdBegofFile");
        click(w, "cmdNext");
        QCOMPARE(box(w, "txtGlassname")->text(), QString("Cocktail"));
        QVERIFY(messages.texts().isEmpty());
    }

    void onlyTheDirectionsAndGlassTakeMoreThanFiftyCharacters()
    {
        installRecipes({"Negroni"});
        w = openMain();
        const QString fifty(50, 'x'), longer = QString("Stir gently. ").repeated(20);
        for (int i : {0, 1, 2, 20}) {
            typeOver(box(w, QString("txtFields(%1)").arg(i)), fifty + "yz");
            QCOMPARE(box(w, QString("txtFields(%1)").arg(i))->text(), fifty);
        }
        typeOver(box(w, "txtFields(21)"), longer);
        typeOver(box(w, "txtGlassname"), longer);
        click(w, "cmdUpdate");
        click(w, "cmdRefresh");
        QCOMPARE(name(w), fifty);
        QCOMPARE(box(w, "txtFields(21)")->text(), longer);
        QCOMPARE(box(w, "txtGlassname")->text(), longer);
    }

    void aRefusedSaveIsReported()
    {
        installRecipes(kThree);
        Messages messages;
        w = openMain();
        box(w, "txtFields(0)")->setText(QString(60, 'n'));   // more than the file takes
        click(w, "cmdUpdate");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts()[0].startsWith("The field is too small"));
        QVERIFY(arrowCursor());
        typeOver(box(w, "txtFields(0)"), "Negroni Sbagliato");
        click(w, "cmdUpdate");
        QCOMPARE(namesInFile(), (QStringList{"Negroni Sbagliato", "Sidecar", "Gimlet"}));
        QCOMPARE(messages.texts().size(), 1);
    }

    void aFileThatCannotBeOpenedIsReportedOnce_data()
    {
        QTest::addColumn<QString>("connect");
        QTest::addColumn<QString>("description");
        QTest::newRow("missing") << QString() << "The database file could not be found.";
        QTest::newRow("wrong password") << "MS Access;pwd=lemontwist;" << "The password is not valid for this database.";
    }
    void aFileThatCannotBeOpenedIsReportedOnce()
    {
        QFETCH(QString, connect);
        QFETCH(QString, description);
        if (connect.isEmpty())
            removeRecipeFile();
        else
            installRecipes({"Negroni"}, connect);
        Messages messages;
        w = openMain();
        QCOMPARE(messages.texts(), QStringList{"Data error event hit err:" + description});
        QCOMPARE(caption(w), QString("Drink# 0"));
        QVERIFY(arrowCursor());

        messages.clear();
        click(w, "cmdNext");                         // no row set: the button says so
        QCOMPARE(messages.texts().size(), 1);
        installRecipes({"Negroni"});
        click(w, "cmdRefresh");
        QCOMPARE(name(w), QString("Negroni"));
        QCOMPARE(messages.texts().size(), 1);
    }
};

ZESTREL_TEST_MAIN(RecipeViewTest)
#include "recipeview_test.moc"
