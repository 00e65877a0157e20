// The main window's frame: the menu bar and the toolbar routing their commands, the bars shown
// and hidden, the placement kept between runs, and closing with side windows open.
#include "app/frmMain.h"
#include "platform/commonbars.h"
#include "platform/controls.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/settings.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QProcess>
#include <QSettings>
#include <QTimer>
#include <QTemporaryDir>

#include <cmath>

using app::frmMain;

using namespace fixture;

namespace {

QString stored(const char* key)
{
    return platform::settings::get("Zestrel", "Settings", key, "absent");
}

void store(const QStringList& values)
{
    const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < 4; ++i)
        platform::settings::save("Zestrel", "Settings", keys[i], values[i]);
}

// A placement in twips as the window takes it: the outer corner and the size, in pixels.
QRect pixels(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

QRect placement(const QWidget* w)
{
    return w->frameGeometry();
}

// The menu as "name caption [shortcut] [checked]" lines, a submenu's items indented.
void describe(const QList<QAction*>& actions, const QString& indent, QStringList& out)
{
    for (QAction* a : actions) {
        QString line = indent + a->objectName() + ' ' + (a->isSeparator() ? "-" : a->text());
        if (!a->shortcut().isEmpty())
            line += ' ' + a->shortcut().toString();
        if (a->isChecked())
            line += " checked";
        out << line;
        if (a->menu())
            describe(a->menu()->actions(), indent + "  ", out);
    }
}

// Notes each window's close as it comes, with the placement stored at that moment.
struct CloseWatch : QObject {
    QStringList seen;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            seen << watched->objectName() + " placement " + stored("MainLeft");
        return false;
    }
};

} // namespace

class FrameTest : public QObject {
    Q_OBJECT

    frmMain* w = nullptr;

    QWidget* toolbar() { return w->findChild<QWidget*>("tbToolBar"); }
    QString source() { return w->findChild<platform::DataControl*>("Data1")->RecordSource(); }
    QStringList openNames()
    {
        QStringList names;
        for (QWidget* o : platform::forms::openWindows())
            names << o->objectName();
        return names;
    }

private slots:
    void initTestCase() { installRecipes({"Negroni", "Gin Fizz"}); }
    void cleanup()
    {
        if (w)
            closeMain(w);
        w = nullptr;
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Zestrel", "Zestrel").clear();
    }

    void theMenuBar()
    {
        w = openMain();
        QStringList menu;
        describe(w->menuBar()->actions(), "", menu);
        const QStringList top = menu.filter(QRegularExpression("^mnu"));
        QCOMPARE(top, (QStringList{"mnuFile &File", "mnuView &View", "mnuQueries &Queries", "mnuHelp &Help"}));
        const QString text = menu.join('\n');
        for (const char* part :
             {"mnuFile &File\n  mnuFilePrint &Print... Ctrl+P\n  mnuFileBar4 -\n  mnuExport &Export Recipes...\n"
              "  mnuImport &Import Recipes...\n  mnuSavePdf Save Recipe as P&DF...\n  mnuRestore &Restore Backup...\n"
              "  mnuFileBar5 -\n  mnuFileExit E&xit Ctrl+Q\n",
              "mnuView &View\n  mnuSupplies &Supplies\n    mnuUtensils Utensils\n    mnuViewDataBar1 -\n"
              "    mnuGlasses Glasses\n    mnuViewSupplies2 -\n    mnuStockLiquor Liquor\n  mnuLiquor2 -\n"
              "  mnuToasting Toasting\n  mnuJokes Bar Jokes\n  mnuViewBar1 -\n  mnuViewToolbar &Toolbar checked\n"
              "  mnuViewStatusBar Status &Bar checked\n  mnuViewBar2 -\n  mnuDrinkingGames Drinking Games...\n",
              "mnuQueries &Queries\n  mnuViewAll &View All Drinks\n  mnuAperitifs Confine Drink List To &Aperitifs\n",
              "  mnuHot Confine Drink List To &Hot Drinks\n  mnuNonAlcoholic Confine Drink List To &Non-Alcoholic\n",
              "  mnuWine Confine Drink List To W&ine\nmnuHelp &Help\n  mnuHelpContents &Contents F1\n"
              "  mnuHelpSearch Search for help on...\n  mnuHelpBar1 -\n  mnuHelpAbout &About Zestrel..."})
            QVERIFY2(text.contains(QString::fromUtf8(part)), part);
        QCOMPARE(menu.filter("Confine Drink List To").size(), 16);
    }

    void theToolbarRunsWhatItsMenuItemRuns()
    {
        Messages messages;
        w = openMain();
        QStringList layout;
        for (QAction* a : toolbar()->actions())
            layout << (a->isSeparator() ? "|" : a->objectName() + ':' + a->property("Image").toString() + ':' + a->toolTip());
        QCOMPARE(layout.join(' '),
                 QString("Print:1:Print | Utensils:2:Utensils Glasses:4:Glasses Liquor:5:Liquor | "
                         "DrinkingGames:6:Drinking Games | Help:7:Help | ViewAll:24:View All Drinks Aperitifs:8:Aperitifs "
                         "Beer:9:Beer Bourbon:10:Bourbon Brandy:11:Brandy Cordials:12:Cordials Gin:13:Gin "
                         "HotDrinks:14:Hot Drinks NonAlcoholic:15:Non Alcoholic Punch:16:Punch Rum:17:Rum Scotch:18:Scotch "
                         "Tequila:19:Tequila Tropical:20:Tropical Vodka:21:Vodka Whiskey:22:Whiskey Wine:23:Wine"));

        // Categories: the same record source as the menu item's.
        const QList<QPair<QString, QString>> categories = {
            {"ViewAll", "mnuViewAll"}, {"HotDrinks", "mnuHot"}, {"NonAlcoholic", "mnuNonAlcoholic"},
            {"Aperitifs", "mnuAperitifs"}, {"Wine", "mnuWine"}, {"Gin", "mnuGin"}};
        for (const auto& [key, item] : categories) {
            w->findChild<QAction*>(item)->trigger();
            const QString byMenu = source();
            w->findChild<QAction*>("mnuBeer")->trigger();
            toolbar()->findChild<QAction*>(key)->trigger();
            QCOMPARE(source(), byMenu);
        }
        QCOMPARE(source(), QString("Gin"));

        // Side windows: the same window as the menu item's, one instance each.
        const QList<QPair<QString, QString>> windows = {
            {"Utensils", "frmUtensils"}, {"Glasses", "frmGlasses"}, {"Liquor", "frmLiquor"}, {"DrinkingGames", "frmGames"}};
        for (const auto& [key, form] : windows) {
            w->tbToolBar_ButtonClick(key);
            w->tbToolBar_ButtonClick(key);
            QCOMPARE(openNames(), (QStringList{"frmMain", form}));
            platform::forms::unload(platform::forms::find(form));
        }
        for (const char* item : {"mnuToasting", "mnuJokes"}) {
            w->findChild<QAction*>(item)->trigger();
            QCOMPARE(openNames().size(), 2);
            platform::forms::unload(platform::forms::openWindows().last());
        }

        // Keys compare exactly: anything else does nothing.
        for (const char* key : {"gin", "Gin ", "Hot Drinks", "", "mnuRum"})
            w->tbToolBar_ButtonClick(key);
        QCOMPARE(source(), QString("Gin"));
        QCOMPARE(openNames(), QStringList{"frmMain"});
        QVERIFY(messages.texts().isEmpty());
    }

    void printingWhatTheBoxesShow()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("recipe.pdf");
        const auto printed = [&pdf] {
            QProcess text;
            text.start("pdftotext", {"-layout", pdf, "-"});
            text.waitForFinished();
            QFile::remove(pdf);
            return QString::fromUtf8(text.readAllStandardOutput());
        };
        platform::printer::setDefaultToFile(pdf);
        Messages messages;
        w = openMain();
        typeOver(box(w, "txtFields(0)"), "Negroni Sbagliato");           // not saved
        w->findChild<QAction*>("mnuFilePrint")->trigger();
        QVERIFY(printed().contains("Drink's Name: Negroni Sbagliato"));
        w->tbToolBar_ButtonClick("Print");
        QVERIFY(printed().contains("Negroni base"));
        QTest::keyClick(box(w, "txtFields(3)")->editor(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(printed().contains("Directions:"));
        QVERIFY(messages.texts().isEmpty());

        // No printer at all: said so, and the window goes on.
        platform::printer::setDefaultToFile({});
        qputenv("CUPS_SERVER", folder.filePath("no-print-system").toUtf8());
        choose(w, "mnuFilePrint");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts()[0].startsWith("No default printer is set up on this computer."));
        QCOMPARE(name(w), QString("Negroni Sbagliato"));
        QCOMPARE(namesInFile(), (QStringList{"Negroni", "Gin Fizz"}));
    }

    void help()
    {
        QList<platform::help::Call> calls;
        platform::help::setTestHook([&calls](const platform::help::Call& c) { calls << c; });
        const ui::OnExit undo([] {
            platform::help::setTestHook({});
            platform::help::setViewerProgram({});
        });
        Messages messages;
        const QList<platform::msgbox::Shown>& shown = messages.shown;
        w = openMain();
        w->findChild<QAction*>("mnuHelpContents")->trigger();
        w->tbToolBar_ButtonClick("Help");
        w->findChild<QAction*>("mnuHelpSearch")->trigger();
        QCOMPARE(calls.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(calls[i].window, w);
            QCOMPARE(calls[i].helpFile, QString("C:\\Windows\\System\\zestrel.hlp"));
            QCOMPARE(calls[i].command, i < 2 ? 3u : 261u);
            QCOMPARE(calls[i].keyword, QString());
        }
        QVERIFY(shown.isEmpty());

        platform::help::setHelpFile({});             // no help: said so, nothing called
        w->mnuHelpContents_Click();
        w->mnuHelpSearch_Click();
        QCOMPARE(calls.size(), 3);
        QCOMPARE(shown.size(), 2);
        for (const auto& m : shown) {
            QCOMPARE(m.text, QString("Unable to display Help Contents. There is no Help associated with this project."));
            QCOMPARE(m.title, QString("Zestrel"));
            QCOMPARE(m.icon, platform::msgbox::Icon::Information);
        }

        // A viewer that cannot start: its description, and the window goes on.
        platform::help::setTestHook({});
        platform::help::setViewerProgram(QDir::temp().filePath("no-such-viewer"));
        platform::help::setHelpFile("C:\\Windows\\System\\zestrel.hlp");
        w->mnuHelpContents_Click();
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[2].text.startsWith("Unable to start the help viewer"));
        QCOMPARE(shown[2].icon, platform::msgbox::Icon::None);
    }

    void theAboutBoxIsModalAndOwned()
    {
        w = openMain();
        QString seen;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            seen = box ? box->objectName() : QString();
            QVERIFY(box && box->parentWidget() == w && box->isModal());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        w->findChild<QAction*>("mnuHelpAbout")->trigger();   // returns once the box is closed
        QCOMPARE(seen, QString("frmAbout"));
        QCOMPARE(openNames(), QStringList{"frmMain"});
    }

    void barsShowAndHide()
    {
        w = openMain();
        auto* status = w->findChild<platform::StatusBar*>("sbStatusBar");
        QCOMPARE(status->panelText(1), QString("Choose Your Drink"));
        QCOMPARE(status->panelText(2), QString("Remember...Don't Drink & Drive !"));
        QCOMPARE(status->panelText(3), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!status->panelText(4).isEmpty());
        QCOMPARE(status->findChild<QWidget*>("Panels(2)")->toolTip(), status->panelText(2));
        for (int width : {900, 420, 200}) {   // narrower: the panels on the right give way, none overlaps
            w->resize(width, w->height());
            QRect taken;
            for (int i = 1; i <= 4; ++i) {
                const auto* panel = status->findChild<QWidget*>(QString("Panels(%1)").arg(i));
                if (!panel->isVisible())
                    continue;
                QVERIFY(!panel->geometry().intersects(taken) && status->rect().contains(panel->geometry()));
                taken |= panel->geometry();
            }
        }

        const QRect nameBox = box(w, "txtFields(0)")->geometry();
        for (const char* item : {"mnuViewToolbar", "mnuViewStatusBar"})
            w->findChild<QAction*>(item)->trigger();
        QVERIFY(!toolbar()->isVisible());
        QVERIFY(!status->isVisible());
        QVERIFY(!w->findChild<QAction*>("mnuViewToolbar")->isChecked());
        QVERIFY(!w->findChild<QAction*>("mnuViewStatusBar")->isChecked());
        QCOMPARE(box(w, "txtFields(0)")->geometry(), nameBox);   // nothing else moves
        w->mnuViewToolbar_Click();
        QVERIFY(toolbar()->isVisible());
        QVERIFY(w->findChild<QAction*>("mnuViewToolbar")->isChecked());

        closeMain(w);                                // a new start shows both again
        w = openMain();
        QVERIFY(toolbar()->isVisible());
        QVERIFY(w->findChild<QWidget*>("sbStatusBar")->isVisible());
        QVERIFY(w->findChild<QAction*>("mnuViewStatusBar")->isChecked());
    }

    void placementIsKeptBetweenRuns()
    {
        w = openMain();   // nothing stored: at the default corner, large enough for the whole recipe view
        QCOMPARE(placement(w).topLeft(), pixels(1000, 1000, 0, 0).topLeft());
        const QWidget* client = w->centralWidget();
        for (const QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->isVisible() || client->rect().contains(child->geometry()), qPrintable(child->objectName()));
        closeMain(w);
        QCOMPARE(stored("MainLeft"), QString("1000"));

        store({"1000", "1000", "6500", "6500.5"});   // opened and closed untouched: stored as read
        w = openMain();
        closeMain(w);
        QCOMPARE(QStringList({stored("MainLeft"), stored("MainTop"), stored("MainWidth"), stored("MainHeight")}),
                 QStringList({"1000", "1000", "6500", "6500.5"}));

        w = openMain();   // moved and resized: the frame's corner and outer size, in twips
        w->move(150, 120);
        w->resize(700, 500);
        QTRY_COMPARE(placement(w).topLeft(), QPoint(150, 120));
        const QRect moved = placement(w);
        closeMain(w);
        QCOMPARE(stored("MainLeft"), QString("2250"));
        QCOMPARE(stored("MainTop"), QString("1800"));
        QCOMPARE(stored("MainWidth"), QString::number(moved.width() * 15));
        QCOMPARE(stored("MainHeight"), QString::number(moved.height() * 15));
        w = openMain();
        QTRY_COMPARE(placement(w), moved);

        w->showMaximized();                          // the maximized bounds, opened normal
        QTRY_VERIFY(w->isMaximized());
        const QRect maximized = placement(w);
        closeMain(w);
        w = openMain();
        QVERIFY(!w->isMaximized());
        QCOMPARE(placement(w), maximized);

        w->showMinimized();                          // minimized: the last values stay
        QTRY_VERIFY(w->isMinimized());
        closeMain(w);
        w = nullptr;
        QCOMPARE(stored("MainWidth"), QString::number(maximized.width() * 15));
    }

    void placementThatCannotBeUsed_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QRect>("expected");
        const QRect defaults = pixels(1000, 1000, 6500, 6500);
        QTest::newRow("not numbers") << QStringList{"left", "1500", "", "6000.5x"} << pixels(1000, 1500, 6500, 6500);
        QTest::newRow("no size") << QStringList{"1500", "1500", "0", "-60"} << pixels(1500, 1500, 6500, 6500);
        QTest::newRow("a gone monitor") << QStringList{"40000", "1500", "6000", "6000"} << defaults;
        QTest::newRow("far above") << QStringList{"1500", "-90000", "6000", "6000"} << defaults;
        QTest::newRow("partly on screen") << QStringList{"-3000", "-1500", "6000", "6000"}
                                          << pixels(-3000, -1500, 6000, 6000);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("larger than the screen") << QStringList{"1500", "1500", "99999999", "600000"} << room;
    }
    void placementThatCannotBeUsed()
    {
        QFETCH(QStringList, values);
        QFETCH(QRect, expected);
        QVERIFY(QGuiApplication::primaryScreen()->geometry().right() < 40000 / 15);
        store(values);
        w = openMain();
        QCOMPARE(placement(w).size(), expected.size());
        // Off the screen's edge, a desktop may nudge the window in by its frame when it resizes
        // the inside to the stored outer size.
        const QPoint nudge = placement(w).topLeft() - expected.topLeft();
        QVERIFY2(nudge.manhattanLength() <= 4, qPrintable(QString("%1,%2").arg(nudge.x()).arg(nudge.y())));
    }

    void closingUnloadsTheSideWindowsLastOpenedFirst()
    {
        Messages messages;
        w = openMain();
        w->findChild<QAction*>("mnuGlasses")->trigger();
        w->findChild<QAction*>("mnuJokes")->trigger();
        w->findChild<QAction*>("mnuGlasses")->trigger();   // brought forward, not reopened
        QCOMPARE(openNames(), (QStringList{"frmMain", "frmGlasses", "frmJoke"}));

        CloseWatch closed;
        for (QWidget* side : platform::forms::openWindows().mid(1))
            side->installEventFilter(&closed);
        w->findChild<QAction*>("mnuFileExit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = nullptr;
        QCOMPARE(closed.seen, (QStringList{"frmJoke placement absent", "frmGlasses placement absent"}));
        QCOMPARE(stored("MainLeft"), QString("1000"));   // as read, though the window stands on a whole pixel
        QVERIFY(platform::forms::openWindows().isEmpty());
        QVERIFY(messages.texts().isEmpty());
    }
};

ZESTREL_TEST_MAIN(FrameTest)
#include "frame_test.moc"
