// The picture of the serving glass beside the recipe, following the glass name box.
#include "app/frmMain.h"
#include "catalogue/glasspictures.h"
#include "platform/controls.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

using app::frmMain;

using namespace fixture;

class GlassTest : public QObject {
    Q_OBJECT

    frmMain* w = nullptr;

    // The names of the glass pictures that are visible.
    QStringList shown()
    {
        QStringList names;
        for (const catalogue::GlassPicture& g : catalogue::glassPictures())
            if (w->findChild<platform::PictureBox*>(g.box)->isVisible())
                names << g.box;
        return names;
    }

private slots:
    void init()
    {
        installRecipes({"Negroni", "Sidecar"});   // both in a Highball
        execInFile("UPDATE drinklst SET Glass = NULL WHERE DrinkName = 'Negroni'");
        w = openMain();
    }
    void cleanup()
    {
        closeMain(w);
        w = nullptr;
    }

    void eachGlassShowsItsOwnPictureOnly()
    {
        QCOMPARE(shown(), QStringList());            // a NULL glass matches nothing
        QStringList boxes;
        for (const catalogue::GlassPicture& g : catalogue::glassPictures()) {
            box(w, "txtGlassname")->setText(g.glass);
            QCOMPARE(shown(), QStringList{g.box});
            auto* picture = w->findChild<platform::PictureBox*>(g.box);
            QCOMPARE(picture->x() * 15, 7440);
            QCOMPARE(picture->y() * 15, g.top);
            QCOMPARE(picture->size() * 15, QSize(g.width, g.height));
            boxes << g.box;
        }
        QCOMPARE(boxes.removeDuplicates(), 0);
        QCOMPARE(boxes.size(), 20);
    }

    void otherTextLeavesThePictureAsItIs()
    {
        box(w, "txtGlassname")->setText("Champagne Flute");
        for (const char* text : {"", "champagne flute", "Champagne Flute ", " Champagne Flute", "Test Glass", "Flute"}) {
            box(w, "txtGlassname")->setText(text);
            QCOMPARE(shown(), QStringList{"picChampagne"});
        }
        typeOver(box(w, "txtGlassname"), "Sho");
        QCOMPARE(shown(), QStringList{"picChampagne"});
        QTest::keyClick(box(w, "txtGlassname")->editor(), Qt::Key_T);
        QCOMPARE(shown(), QStringList{"picShot"});
    }

    void theRowsCarryThePicture()
    {
        click(w, "cmdNext");                         // Sidecar, in a Highball
        QCOMPARE(shown(), QStringList{"picHighball"});
        click(w, "cmdPrevious");                     // no glass: the picture stays
        QCOMPARE(shown(), QStringList{"picHighball"});
        execInFile("UPDATE drinklst SET Glass = 'Highball' WHERE DrinkName = 'Negroni'");
        click(w, "cmdRefresh");
        click(w, "cmdNext");                         // the same glass: nothing changes
        QCOMPARE(shown(), QStringList{"picHighball"});
        QCOMPARE(name(w), QString("Sidecar"));
    }
};

ZESTREL_TEST_MAIN(GlassTest)
#include "glass_test.moc"
