// The data control over a real file: bound boxes, Validate / Reposition / Error and saving.
#include "fixture.h"
#include "platform/controls.h"
#include "platform/datacontrol.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "tests/common/testmain.h"
#include <QDir>
#include <QFile>
#include <QToolButton>

using namespace platform;

namespace {
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

    void refusedSaveOnAnArrowGoesToError()
    {
        Window w(fixture::build(fixture::content(2)));
        w.data->openOnLoad();
        w.events.clear();
        w.glass->setText(QString(60, QLatin1Char('g'))); // Glass has no limit, the name has
        w.name->setTextFromData(QString(51, QLatin1Char('n')));
        w.name->setEdited(true);
        w.data->findChild<QToolButton*>(QStringLiteral("Next"))->click();
        QCOMPARE(w.events.last(), QStringLiteral("error 3163"));
        QCOMPARE(w.data->Recordset().AbsolutePosition(), 0); // the move did not happen; the edits stay
        QCOMPARE(w.name->text().size(), 51);
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
