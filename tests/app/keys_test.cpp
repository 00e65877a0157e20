// The main window from the keyboard: its shortcuts do what their buttons and menu items do, its
// access keys are distinct, and every text box of every window carries the name of its label.
#include "app/frmMain.h"
#include "extras/collections.h"
#include "extras/open.h"
#include "guides/open.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/help.h"
#include "platform/settings.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

using namespace fixture;

namespace {

// The letter after a lone "&", lower case; none when the caption has no access key.
QString accessKey(const QString& caption)
{
    const auto m = QRegularExpression("(?:^|[^&])&([^&])").match(caption);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

// Fails unless the captions' access keys, where they have one, are all different.
void distinct(const QStringList& captions)
{
    QHash<QString, QString> seen;
    for (const QString& c : captions) {
        const QString key = accessKey(c);
        if (key.isEmpty())
            continue;
        QVERIFY2(!seen.contains(key), qPrintable(c + " takes the key of " + seen.value(key)));
        seen.insert(key, c);
    }
}

QStringList captions(const QList<QAction*>& actions)
{
    QStringList all;
    for (QAction* a : actions)
        all << a->text();
    return all;
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

    frmMain* w = nullptr;

    void key(const char* box, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(fixture::box(w, box)->editor(), k, m);
    }

private slots:
    void cleanup()
    {
        for (QWidget* open : platform::forms::openWindows())
            platform::forms::unload(open);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = nullptr;
    }

    void shortcutsDoWhatTheirCommandsDo()
    {
        installRecipes({"Negroni", "Gin Fizz", "Gin Sour"});
        QList<platform::help::Call> calls;
        platform::help::setTestHook([&calls](const platform::help::Call& c) { calls << c; });
        const ui::OnExit undo([] { platform::help::setTestHook({}); });
        Messages messages;
        w = openMain();

        // Page Up and Page Down, the end message included, from any single-line box.
        key("txtFields(0)", Qt::Key_PageDown);
        QCOMPARE(caption(w), QString("Drink# 2"));
        key("txtFields(5)", Qt::Key_PageUp);
        key("txtFields(5)", Qt::Key_PageUp);
        QCOMPARE(caption(w), QString("Drink# 0"));
        key("txtFields(5)", Qt::Key_PageUp);
        QCOMPARE(messages.texts(), QStringList{"You are already at the beginning of the list of drinks!"});
        key("txtFields(0)", Qt::Key_PageDown);
        QCOMPARE(name(w), QString("Negroni"));

        // F3 while "Find Next..." is disabled does nothing; Ctrl+F, Return, then F3 to the end.
        key("txtFields(0)", Qt::Key_F3);
        QCOMPARE(messages.texts().size(), 1);
        key("txtFields(3)", Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), box(w, "txtSearchString")->editor());
        QTest::keyClicks(QApplication::focusWidget(), "gin");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(name(w), QString("Gin Fizz"));
        key("txtSearchString", Qt::Key_F3);
        QCOMPARE(name(w), QString("Gin Sour"));
        key("txtSearchString", Qt::Key_F3);
        QCOMPARE(messages.texts().last(), QString("There are no more drinks that match your search"));
        QVERIFY(!w->findChild<QPushButton*>("cmdFindNext")->isEnabled());

        // F1 is Help > Contents; Ctrl+Q leaves as File > Exit does, the placement saved.
        key("txtFields(0)", Qt::Key_F1);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].command, 3u);
        key("txtFields(0)", Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(platform::forms::openWindows().isEmpty());
        QVERIFY(platform::settings::get("Zestrel", "Settings", "MainLeft", "") != "");
        QCOMPARE(messages.texts().size(), 2);
    }

    void accessKeysAreDistinctAndCaptionsReadTheSame()
    {
        installRecipes({"Negroni"});
        w = openMain();
        // The menu bar's titles and the window's buttons share the Alt keys; each menu has its own.
        QStringList windowWide = captions(w->menuBar()->actions());
        QStringList buttons;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            buttons << b->text();
        windowWide << buttons;
        distinct(windowWide);
        for (QMenu* menu : w->findChildren<QMenu*>())
            distinct(captions(menu->actions()));
        for (const char* b : {"&Beginning", "&Previous", "&Next", "&End of List"})
            QVERIFY2(buttons.contains(b), b);
        const QStringList queries = captions(w->findChild<QMenu*>("mnuQueries")->actions());
        QCOMPARE(queries.filter(QRegularExpression("^[^&]*&[^&]")).size(), 17);
        QCOMPARE(queries.value(8).remove('&'), QString("Confine Drink List To Non-Alcoholic"));
    }

    void everyTextBoxIsNamedAfterItsLabel()
    {
        installRecipes({"Negroni"});
        w = openMain();
        const QStringList named = {"Drink's Name", "Quantity 1", "Ingredient 1", "Quantity 3", "Ingredient 3",
                                   "Quantity 10", "Ingredient 10", "Directions"};
        QStringList fields;
        for (platform::TextBox* b : w->findChildren<platform::TextBox*>(QRegularExpression("^txtFields")))
            fields << spoken(b);
        for (const QString& n : named)
            QVERIFY2(fields.contains(n), qPrintable(n));
        QCOMPARE(spoken(box(w, "txtGlassname")), QString("Type of Glass"));
        QCOMPARE(spoken(box(w, "txtSearchString")), QString("Search"));

        for (const extras::CollectionDefinition& c : extras::collections())
            extras::openCollection(c.formName);
        for (const char* g : {"frmGlasses", "frmUtensils", "frmLiquor"})
            guides::openGuide(g);
        QCOMPARE(spoken(box(platform::forms::find("frmToasting"), "txtFields(0)")), QString("Catagory"));
        QCOMPARE(spoken(box(platform::forms::find("frmCards"), "txtFields(3)")), QString("Instructions"));
        QCOMPARE(spoken(box(platform::forms::find("frmMedia"), "txtType")), QString("Catagory"));
        QVERIFY(platform::forms::openWindows().size() > 10);
        for (QWidget* window : platform::forms::openWindows()) {
            QSet<QString> names;
            for (platform::TextBox* b : window->findChildren<platform::TextBox*>()) {
                QVERIFY2(!spoken(b).isEmpty(), qPrintable(window->objectName() + ' ' + b->objectName()));
                names.insert(spoken(b));
            }
            QCOMPARE(names.size(), window->findChildren<platform::TextBox*>().size());
        }
    }

private:
    static QString spoken(platform::TextBox* b) { return b->editor()->accessibleName(); }
};

ZESTREL_TEST_MAIN(KeysTest)
#include "keys_test.moc"
