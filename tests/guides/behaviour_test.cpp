// The three guides as a user meets them: what is on show at opening, choosing entries, the
// keyboard right after opening, notes typed into a description, reopening and closing.
#include "guidetest.h"
#include "platform/controls.h"
#include "tests/common/testmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace guidetest;
using guides::GuideWindow;

namespace {

void click(GuideWindow* w, const QString& name)
{
    QTest::mouseClick(child(w, name), Qt::LeftButton);
}

// Every control's name, place and text, and its visibility unless it belongs to a display group.
QStringList view(GuideWindow* w)
{
    QStringList grouped;
    for (const guides::Entry& entry : w->definition().entries) {
        for (const guides::Control& c : entry.group)
            grouped << c.name;
    }
    QStringList lines;
    for (QWidget* c : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        auto* box = qobject_cast<platform::TextBox*>(c);
        const QString text = box ? box->text() : c->property("text").toString();
        const QRect g = c->geometry();
        lines << QStringLiteral("%1 %2 %3,%4 %5x%6 %7").arg(c->objectName())
                     .arg(grouped.contains(c->objectName()) ? "-" : c->isVisible() ? "shown" : "hidden")
                     .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).arg(text);
    }
    return lines;
}

// The window's control that holds the keyboard focus.
QString focused(GuideWindow* w)
{
    for (QWidget* f = QApplication::focusWidget(); f; f = f->parentWidget()) {
        if (f->parentWidget() == w)
            return f->objectName();
    }
    return QString();
}

void guidesData()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("glasses") << "frmGlasses";
    QTest::newRow("utensils") << "frmUtensils";
    QTest::newRow("liquor") << "frmLiquor";
}

} // namespace

class BehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opening_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QPoint>("clientAt");   // null: where the window system puts it
        QTest::newRow("glasses") << "frmGlasses" << "Glasses" << "cmdBrandySnifter" << "cmdBeerMug" << QPoint();
        QTest::newRow("utensils") << "frmUtensils" << "Bartender Utensils" << "lblCorkscrew" << "cmdClose"
                                  << QPoint(3, 15);
        QTest::newRow("liquor") << "frmLiquor" << "Liquors" << "lblBourbon" << "cmdClose" << QPoint();
    }
    void opening()
    {
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QFETCH(QString, focus);
        QFETCH(QPoint, clientAt);
        GuideWindow* w = open(form);
        QVERIFY(w);
        QCOMPARE(w->objectName(), form);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(shownEntries(w), QStringList{shown});
        QCOMPARE(focused(w), focus);
        QVERIFY2(view(w).filter(QRegularExpression("^\\S+ hidden")).isEmpty(), "selectors, heading and Close are on show");

        // A fixed-size tool window of its own: no owner, no minimise or maximise, not in the task bar.
        QCOMPARE(w->parentWidget(), nullptr);
        QTRY_VERIFY(!w->windowIcon().pixmap(16).isNull());
        QCOMPARE(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w->minimumSize(), QSize(632, 453));
        QCOMPARE(w->maximumSize(), QSize(632, 453));
        if (!clientAt.isNull())
            QCOMPARE(w->geometry().topLeft(), clientAt);
    }

    // Every entry clicked twice in a row, then a long mixed run of mouse clicks and handler
    // calls by name: one group on show, the last chosen, and nothing else ever changes.
    void selectionShowsOnlyTheLastChoice_data() { guidesData(); }
    void selectionShowsOnlyTheLastChoice()
    {
        QFETCH(QString, form);
        GuideWindow* w = open(form);
        QVERIFY(w);
        const QStringList before = view(w);
        QStringList selectors;
        for (const guides::Entry& entry : w->definition().entries)
            selectors.prepend(entry.selector.name);

        for (const QString& s : selectors) {
            click(w, s);
            QCOMPARE(shownEntries(w), QStringList{s});
            const QStringList once = view(w) << shownEntries(w);
            click(w, s);
            QCOMPARE(view(w) << shownEntries(w), once);
        }
        QRandomGenerator random(7);
        for (int step = 0; step < 60; ++step) {
            const QString s = selectors[random.bounded(int(selectors.size()))];
            if (step % 2)
                click(w, s);
            else
                QVERIFY2(QMetaObject::invokeMethod(w, qPrintable(s + "_Click")), qPrintable(s + "_Click missing"));
            QCOMPARE(shownEntries(w), QStringList{s});
        }
        QCOMPARE(view(w), before);
    }

    // The buttons down the first column and then the second, Close, the description on show.
    void tabOrder_data() { guidesData(); }
    void tabOrder()
    {
        QFETCH(QString, form);
        GuideWindow* w = open(form);
        QVERIFY(w);
        QList<QAbstractButton*> buttons = w->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        buttons.removeIf([](QWidget* b) { return b->objectName() == "cmdClose"; });
        std::sort(buttons.begin(), buttons.end(),
                  [](QWidget* a, QWidget* b) { return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y()); });
        QStringList expected;
        for (QWidget* b : buttons)
            expected << b->objectName();
        expected << "cmdClose" << "txt" + w->definition().shownAtOpening.mid(3);
        expected << expected.first();   // and round again

        QStringList order{focused(w)};
        while (order.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << focused(w);
        }
        QCOMPARE(order, expected);
    }

    // Enter and Space press the focused button: Beer Mug in the glassware guide, else Close.
    void keysRightAfterOpening_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("shown");   // empty: the window closed
        QTest::newRow("glasses") << "frmGlasses" << "cmdBeerMug";
        QTest::newRow("utensils") << "frmUtensils" << "";
        QTest::newRow("liquor") << "frmLiquor" << "";
    }
    void keysRightAfterOpening()
    {
        QFETCH(QString, form);
        QFETCH(QString, shown);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            const QPointer<GuideWindow> w = open(form);
            QVERIFY(w);
            QTest::keyClick(QApplication::focusWidget(), key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (shown.isEmpty()) {
                QVERIFY(w.isNull());
                QCOMPARE(platform::forms::find(form), nullptr);
            } else {
                QVERIFY(w);
                QCOMPARE(shownEntries(w), QStringList{shown});
                closeAll();
            }
        }
    }

    // A note typed into a description stays while the window is open, across other choices and
    // reopening from the main window; Close (or the close box) discards it and the next opening
    // starts afresh.
    void notesLastUntilClose_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("otherEntry");
        QTest::addColumn<QString>("otherBox");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("glasses") << "frmGlasses" << "cmdRedWine" << "txtRedWine" << "cmdgoblet" << "txtGoblet" << false;
        QTest::newRow("utensils") << "frmUtensils" << "lblJigger" << "txtJigger" << "lblIceTongs" << "txtTongs" << true;
        QTest::newRow("liquor, one wine box only")
            << "frmLiquor" << "lblRedWine" << "txtRedWine" << "lblWhiteWine" << "txtWhiteWine" << false;
    }
    void notesLastUntilClose()
    {
        QFETCH(QString, form);
        QFETCH(QString, entry);
        QFETCH(QString, box);
        QFETCH(QString, otherEntry);
        QFETCH(QString, otherBox);
        QFETCH(bool, closeBox);
        QPointer<GuideWindow> w = open(form);
        QVERIFY(w);
        const auto text = [&](const QString& name) { return w->findChild<platform::TextBox*>(name)->text(); };
        const QString stored = text(box);
        const QString otherStored = text(otherBox);

        click(w, entry);
        QWidget* editor = w->findChild<platform::TextBox*>(box)->editor();
        editor->setFocus();
        QTest::keyClicks(editor, "My note. ");
        const QString typed = text(box);
        QVERIFY(typed.contains("My note. "));
        click(w, otherEntry);
        QCOMPARE(text(otherBox), otherStored);
        click(w, entry);
        QCOMPARE(text(box), typed);

        QCOMPARE(open(form), w.data());
        QCOMPARE(shownEntries(w), QStringList{entry});
        QCOMPARE(text(box), typed);
        QCOMPARE(platform::forms::openWindows().size(), 1);

        if (closeBox)
            w->close();
        else
            click(w, "cmdClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QCOMPARE(platform::forms::find(form), nullptr);

        w = open(form);
        QVERIFY(w);
        QCOMPARE(shownEntries(w), QStringList{w->definition().shownAtOpening});
        QCOMPARE(text(box), stored);
    }
};

ZESTREL_TEST_MAIN(BehaviourTest)
#include "behaviour_test.moc"
