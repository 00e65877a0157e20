// The data control over a real file: bound boxes, Validate / Reposition / Error and saving.
#include "fixture.h"
#include "platform/controls.h"
#include "platform/database/guard.h"
#include "platform/datacontrol.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "tests/common/testmain.h"
#include <QDir>
#include <QFile>
#include <QThread>
#include <QToolButton>
#include <atomic>

using namespace platform;

namespace {
// The open step of the tests below: counts its runs, and those off the test's own thread.
std::atomic<int> g_steps{0}, g_stepsElsewhere{0};
void countingStep(db::Connection&)
{
    ++g_steps;
    if (QThread::currentThread() != qApp->thread())
        ++g_stepsElsewhere;
}

struct Window {
    QWidget widget;
    DataControl* data;
    TextBox* name;
    TextBox* glass;
    QStringList events;
    Window(const QString& file, const QString& source = QStringLiteral("drinklst"))
    {
        data = new DataControl(&widget, QStringLiteral("Data1"));
        data->setDatabaseName(QStringLiteral("C:\\WINDOWS\\SYSTEM\\Zestrel.mdb"));
        data->setConnect(catalogue::kConnect);
        data->setRecordSource(source);
        name = new TextBox(&widget, QStringLiteral("txtName"), TextBox::Kind::SingleLine, 50);
        glass = new TextBox(&widget, QStringLiteral("txtGlass"));
        data->bind(name, QStringLiteral("DrinkName"));
        data->bind(glass, QStringLiteral("glass"));
        QObject::connect(data, &DataControl::Validate, data, [this](int& action, bool& save) {
            events << QStringLiteral("validate %1 %2").arg(action).arg(save);
        });
        QObject::connect(data, &DataControl::Reposition, data, [this] { events << QStringLiteral("reposition ") + name->text(); });
        QObject::connect(data, &DataControl::Error, data, [this](int number, int& response) {
            events << QStringLiteral("error %1").arg(number);
            response = 0;
        });
        const QString target = paths::resolve(QStringLiteral("C:\\windows\\system\\Zestrel.mdb"));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!file.isEmpty())
            QFile::copy(file, target);
    }
};
} // namespace

class DataControlTest : public QObject {
    Q_OBJECT
    QList<msgbox::Shown> shown_;

private slots:
    void init()
    {
        shown_.clear();
        msgbox::setTestHook([this](const msgbox::Shown& s) { shown_ << s; });
    }

    void opensAndFillsBoundBoxes()
    {
        Window w(fixture::build(fixture::content(2)));
        w.data->openOnLoad();
        QCOMPARE(w.name->text(), QStringLiteral("Drink 1"));
        QCOMPARE(w.glass->text(), QStringLiteral("Cocktail"));
        QVERIFY(!w.name->edited());
        QCOMPARE(w.events, QStringList({"reposition Drink 1"}));
        w.data->Recordset().MoveLast();
        w.data->Recordset().MoveNext(); // off the rows: the boxes are empty
        QCOMPARE(w.name->text(), QString());
    }

    void failedOpeningGoesToErrorOnce()
    {
        Window w{QString()};
        w.data->openOnLoad();
        QCOMPARE(w.events, QStringList({"error 3024"}));
        QVERIFY(shown_.isEmpty()); // response 0: the data control says nothing itself
        QVERIFY(!w.data->hasRecordset());
        QVERIFY_DB_ERROR(w.data->Recordset(), db::NoOpenRecordset);
        QVERIFY_DB_ERROR(w.data->UpdateRecord(), db::NoOpenRecordset);
    }

    void editsAreSavedWhenTheRowIsLeft()
    {
        const QString file = fixture::build(fixture::content(3));
        Window w(file);
        w.data->openOnLoad();
        w.events.clear();
        w.name->setText(QStringLiteral("Edited"));
        w.data->Recordset().MoveNext();
        QCOMPARE(w.events, QStringList({"validate 3 1", "reposition Drink 2"}));
        w.data->Recordset().MoveNext(); // not edited: nothing written
        const QString target = paths::resolve(catalogue::kDatabasePath);
        QCOMPARE(fixture::names(target), QStringList({"Edited", "Drink 2", "Drink 3"}));
    }

    void saveFlagFalseDiscardsTheEdits()
    {
        Window w(fixture::build(fixture::content(2)));
        QObject::connect(w.data, &DataControl::Validate, w.data, [](int&, bool& save) { save = false; });
        w.data->openOnLoad();
        w.name->setText(QStringLiteral("Lost"));
        w.data->Recordset().MoveNext();
        QCOMPARE(fixture::names(paths::resolve(catalogue::kDatabasePath)).first(), QStringLiteral("Drink 1"));
    }

    void addNewThenUpdateRecordInserts()
    {
        Window w(fixture::build(fixture::content(2)));
        w.data->openOnLoad();
        w.data->Recordset().AddNew();
        QCOMPARE(w.name->text(), QString());
        w.name->setText(QStringLiteral("Brand New"));
        w.data->UpdateRecord();
        w.data->Recordset().setBookmark(w.data->Recordset().LastModified());
        QCOMPARE(w.data->Recordset().AbsolutePosition(), 2);
        QCOMPARE(w.name->text(), QStringLiteral("Brand New"));
        QCOMPARE(fixture::names(paths::resolve(catalogue::kDatabasePath)).last(), QStringLiteral("Brand New"));
    }

    void closingSavesPendingEdits()
    {
        Window w(fixture::build(fixture::content(2)));
        w.data->openOnLoad();
        w.name->setText(QStringLiteral("Saved On Close"));
        w.data->closeOnUnload();
        QVERIFY(!w.data->hasRecordset());
        QCOMPARE(fixture::names(paths::resolve(catalogue::kDatabasePath)).first(), QStringLiteral("Saved On Close"));
    }

    void editingOneBoxLeavesTheOtherFieldsAsStored_data()
    {
        QTest::addColumn<QString>("glass"); // as SQL
        QTest::newRow("line breaks") << "'Tall' || char(13, 10) || 'glass'";
        QTest::newRow("empty") << "''";
        QTest::newRow("bytes") << "x'00ff10fe41'";
        QTest::newRow("not UTF-8") << "CAST(x'41ff42' AS TEXT)";
    }

    void editingOneBoxLeavesTheOtherFieldsAsStored()
    {
        QFETCH(QString, glass);
        const QString file = fixture::build(fixture::content(2));
        fixture::connect(file)->exec(
            QStringLiteral("UPDATE drinklst SET Glass = %1 WHERE DrinkName = 'Drink 1'").arg(glass));
        const QString asStored = QStringLiteral("SELECT typeof(Glass) || hex(Glass) FROM drinklst ORDER BY zkey");
        const QString before = fixture::query(file, asStored);
        Window w(file);
        w.data->openOnLoad();
        w.name->setText(QStringLiteral("Edited"));
        w.data->Recordset().MoveNext();
        QVERIFY(shown_.isEmpty()); // the row as read is the row as stored: no refusal
        const QString target = paths::resolve(catalogue::kDatabasePath);
        QCOMPARE(fixture::names(target).first(), QStringLiteral("Edited"));
        QCOMPARE(fixture::query(target, asStored), before);
    }

    void refusedSaveAsksOnceAndNeverHoldsTheUserUp_data()
    {
        QTest::addColumn<bool>("changedElsewhere"); // else a name longer than its field takes
        QTest::addColumn<bool>("reload");
        QTest::newRow("changed elsewhere, reload") << true << true;
        QTest::newRow("changed elsewhere, keep editing") << true << false;
        QTest::newRow("too long, reload") << false << true;
        QTest::newRow("too long, keep editing") << false << false;
    }

    void refusedSaveAsksOnceAndNeverHoldsTheUserUp()
    {
        QFETCH(bool, changedElsewhere);
        QFETCH(bool, reload);
        Window w(fixture::build(fixture::content(3)));
        w.data->openOnLoad();
        const QString target = paths::resolve(catalogue::kDatabasePath);
        if (changedElsewhere) {
            fixture::connect(target)->exec(QStringLiteral("UPDATE drinklst SET Glass = 'Highball' WHERE zkey = 1"));
            w.name->setText(QStringLiteral("Mine"));
        } else {
            w.name->setTextFromData(QString(51, QLatin1Char('n')));
            w.name->setEdited(true);
        }
        const QString typed = w.name->text();
        msgbox::setTestAnswer(reload);
        auto* next = w.data->findChild<QToolButton*>(QStringLiteral("Next"));
        next->click();
        QCOMPARE(shown_.size(), 1); // the question, and nothing more
        QVERIFY(shown_[0].question);
        QVERIFY(!w.events.contains(QStringLiteral("error 3197")) && !w.events.contains(QStringLiteral("error 3163")));
        QCOMPARE(w.data->Recordset().AbsolutePosition(), 0); // the move waited for the answer
        QCOMPARE(w.glass->text(), QString(changedElsewhere ? "Highball" : "Cocktail"));
        QCOMPARE(w.name->text(), reload ? QStringLiteral("Drink 1") : typed);
        QCOMPARE(w.name->edited(), !reload);
        if (!reload && changedElsewhere)
            w.data->UpdateRecord(); // over the row as it is stored now
        else if (!reload)
            QVERIFY_DB_ERROR(w.data->UpdateRecord(), db::FieldTooSmall); // an explicit save says why
        next->click();
        QCOMPARE(shown_.size(), 1);
        QCOMPARE(w.data->Recordset().AbsolutePosition(), 1);
        QCOMPARE(fixture::names(target).first(), QString(changedElsewhere && !reload ? "Mine" : "Drink 1"));
        QCOMPARE(fixture::query(target, QStringLiteral("SELECT Glass FROM drinklst WHERE zkey = 1")),
                 QString(changedElsewhere ? "Highball" : "Cocktail"));
    }

    // The file is installed by the work that precedes the opening ahead; the data control takes
    // that connection unless the file was written or replaced since, or it asks for another.
    void connectionOpenedAheadIsTakenWhileItStillFits_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("first");
        QTest::newRow("nothing") << "" << true << "Drink 1";
        QTest::newRow("another program deletes a row") << "delete" << false << "Drink 2";
        QTest::newRow("another file renamed over it") << "replace" << false << "Replacement";
        QTest::newRow("asked with another connect string") << "connect" << false << "Drink 1";
    }
    void connectionOpenedAheadIsTakenWhileItStillFits()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, taken);
        QFETCH(QString, first);
        Window w{QString()};
        const QString source = fixture::build(fixture::content(2));
        const QString target = paths::resolve(w.data->DatabaseName());
        g_steps = g_stepsElsewhere = 0;
        w.data->setOpenStep(countingStep);
        const QString connect = meanwhile == "connect" ? QStringLiteral("MS Access;pwd=plumtonic") : catalogue::kConnect;
        db::OpenAhead ahead(target, connect, countingStep, [&] { QFile::copy(source, target); });
        QTRY_COMPARE(g_steps.load(), 1);
        if (meanwhile == "delete")
            fixture::connect(target)->exec(QStringLiteral("DELETE FROM drinklst WHERE DrinkName = 'Drink 1'"));
        if (meanwhile == "replace") {
            const QString other = fixture::build(fixture::content(0, {fixture::recipe(QStringLiteral("Replacement"))}));
            QVERIFY(std::rename(QFile::encodeName(other).constData(), QFile::encodeName(target).constData()) == 0);
        }
        w.data->openOnLoad();
        QCOMPARE(w.name->text(), first);
        QCOMPARE(g_steps.load(), taken ? 1 : 2);
        QCOMPARE(g_stepsElsewhere.load(), 1);
        QVERIFY(!db::OpenAhead::take(target, catalogue::kConnect, countingStep)); // handed over once at most
    }

    // Quitting while the file is still being worked on (a long upgrade) stops the work; quitting
    // when there was no file to open ends as well.
    void aConnectionOpenedAheadIsStoppedWhenNobodyTakesIt()
    {
        const QString path = fixture::build(fixture::content(2));
        g_steps = 0;
        {
            db::OpenAhead ahead(path, catalogue::kConnect, +[](db::Connection& c) {
                ++g_steps;
                const db::Untimed untimed;
                c.exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) SELECT count(*) FROM n"));
            });
            QTRY_COMPARE(g_steps.load(), 1);
        }
        QVERIFY(!db::OpenAhead::take(path, catalogue::kConnect, countingStep));
        db::OpenAhead missing(path + QStringLiteral(".missing"), catalogue::kConnect, countingStep); // ends too
    }

    void arrowsStopAtTheEnds()
    {
        Window w(fixture::build(fixture::content(2)));
        w.data->openOnLoad();
        auto* next = w.data->findChild<QToolButton*>(QStringLiteral("Next"));
        next->click();
        next->click();
        QCOMPARE(w.name->text(), QStringLiteral("Drink 2"));
        w.data->findChild<QToolButton*>(QStringLiteral("First"))->click();
        w.data->findChild<QToolButton*>(QStringLiteral("Previous"))->click();
        QCOMPARE(w.name->text(), QStringLiteral("Drink 1"));
    }
};

ZESTREL_TEST_MAIN(DataControlTest)
#include "datacontrol_test.moc"
