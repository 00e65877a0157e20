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

// Fails unless the captions' access keys (the letter after a lone "&") are all different.
void distinct(const QStringList& captions)
{
    QStringList keys;
    for (const QString& c : captions) {
        const auto m = QRegularExpression("(?:^|[^&])&([^&])").match(c);
        if (m.hasMatch())
            keys << m.captured(1).toLower();
    }
    QVERIFY2(QSet<QString>(keys.begin(), keys.end()).size() == keys.size(), qPrintable(captions.join(" | ")));
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

    // The menu bar's titles and the window's buttons share the Alt keys; each menu has its own.
    // (The captions themselves are the frame's test.)
    void accessKeysAreDistinct()
    {
        installRecipes({"Negroni"});
        w = openMain();
        QStringList windowWide = captions(w->menuBar()->actions());
        for (QPushButton* b : w->findChildren<QPushButton*>())
            windowWide << b->text();
        QVERIFY(windowWide.contains("&Beginning") && windowWide.contains("&End of List"));
        distinct(windowWide);
        for (QMenu* menu : w->findChildren<QMenu*>())
            distinct(captions(menu->actions()));
    }

    void everyTextBoxIsNamedAfterItsLabel()
    {
        installRecipes({"Negroni"});
        w = openMain();
        for (const auto& c : extras::collections())
            extras::openCollection(c.formName);
        for (const char* g : {"frmGlasses", "frmUtensils", "frmLiquor"})
            guides::openGuide(g);
        const QList<std::array<const char*, 3>> named
            = {{"frmMain", "txtFields(0)", "Drink's Name"},  {"frmMain", "txtFields(5)", "Quantity 3"},
               {"frmMain", "txtFields(6)", "Ingredient 3"},  {"frmMain", "txtFields(20)", "Ingredient 10"},
               {"frmMain", "txtFields(21)", "Directions"},   {"frmMain", "txtGlassname", "Type of Glass"},
               {"frmMain", "txtSearchString", "Search"},     {"frmToasting", "txtFields(0)", "Catagory"},
               {"frmCards", "txtFields(3)", "Instructions"}, {"frmMedia", "txtType", "Catagory"}};
        for (const auto& [window, name, spokenName] : named)
            QCOMPARE(spoken(box(platform::forms::find(window), name)), QString(spokenName));
        // Every box of the main window and the eleven side windows: a name, none twice in a window.
        QCOMPARE(platform::forms::openWindows().size(), 12);
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
