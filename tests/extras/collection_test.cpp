// One collection window of each family, frmCards and frmJoke, the shared class covering the
// rest: browsing to both ends, an empty table, adding, deleting, and data failures.
#include "fixture.h"

using namespace fixture;

class CollectionTest : public QObject {
    Q_OBJECT

    QString form, table, column, prefix;
    int element = 0;

    // The window on a table whose shown column holds these texts.
    QWidget* openWith(const QStringList& texts)
    {
        std::vector<catalogue::Row> rows;
        for (const QString& t : texts) {
            catalogue::Row row{{column, t}};
            row[table == "joke" ? "ID" : "instructions"] = table == "joke" ? QString::number(rows.size() + 1) : "Play.";
            rows.push_back(row);
        }
        install({{table, rows}});
        return extras::openCollection(form);
    }
    QString shown(QWidget* w) { return box(w, element)->text(); }
    void families()
    {
        QTest::addColumn<int>("unused");
        QTest::newRow("frmCards") << 0;
        QTest::newRow("frmJoke") << 0;
    }

private slots:
    void init()
    {
        watchMessages();
        form = QTest::currentDataTag();
        const bool game = form == "frmCards";
        table = game ? "cardgames" : "joke";
        column = game ? "name" : "joke";
        element = game ? 0 : 1;
        prefix = game ? "Game # " : "Joke #: ";
    }
    void cleanup() { closeAll(); }

    void browsingToBothEnds_data() { families(); }
    void browsingToBothEnds()
    {
        QWidget* w = openWith({"First", "Second", "Third"});
        QCOMPARE(caption(w), prefix + "1");
        QCOMPARE(shown(w), QString("First"));

        click(w, "cmdEndofList");
        QCOMPARE(shown(w), QString("Third"));
        QCOMPARE(caption(w), prefix + "3");
        click(w, "cmdNext"); // past the end, silently
        QCOMPARE(caption(w), prefix + "0");
        QCOMPARE(shown(w), QString());
        QVERIFY(messages().isEmpty());
        click(w, "cmdNext");
        QCOMPARE(messages(), QStringList{kAtEnd});
        click(w, "cmdPrevious");
        QCOMPARE(shown(w), QString("Third"));

        click(w, "cmdBegofFile");
        QCOMPARE(caption(w), prefix + "1");
        click(w, "cmdPrevious");
        QCOMPARE(caption(w), prefix + "0");
        click(w, "cmdPrevious");
        QCOMPARE(messages(), (QStringList{kAtEnd, kAtBeginning}));
        click(w, "cmdNext");
        click(w, "cmdNext");

        // Opening it again brings the same window forward, still on its row.
        QCOMPARE(extras::openCollection(form), w);
        QCOMPARE(platform::forms::openWindows().size(), 1);
        QCOMPARE(shown(w), QString("Second"));
        QCOMPARE(caption(w), prefix + "2");
    }

    void emptyTable_data() { families(); }
    void emptyTable()
    {
        QWidget* w = openWith({});
        QCOMPARE(caption(w), prefix + "0");
        click(w, "cmdNext");
        click(w, "cmdPrevious");
        QCOMPARE(messages(), (QStringList{kAtEnd, kAtBeginning}));

        // Commands with no row to act on fail in the data layer: one message each, and the
        // normal cursor.
        messages().clear();
        click(w, "cmdBegofFile");
        click(w, "cmdDelete");
        QCOMPARE(messages(), QStringList(2, kDataError + "There is no current record."));
        QCOMPARE(platform::cursor::current(), Shape::Arrow);
    }

    void addTypeUpdate_data() { families(); }
    void addTypeUpdate()
    {
        QWidget* w = openWith({"First", "Second"});
        click(w, "cmdAdd");
        QCOMPARE(shown(w), QString());
        typeAtEnd(box(w, element), "Newcomer");
        if (form == "frmJoke") {   // the joke's number takes digits only
            ui::typeOver(box(w, 0), "4x2");
            QCOMPARE(box(w, 0)->text(), QString("42"));
        }
        click(w, "cmdUpdate");
        QCOMPARE(caption(w), prefix + "3");
        QCOMPARE(shown(w), QString("Newcomer"));
        QCOMPARE(stored(table, column), (QStringList{"First", "Second", "Newcomer"}));

        // Edits are saved on leaving the row and on closing.
        typeAtEnd(box(w, element), "!");
        click(w, "cmdBegofFile");
        typeAtEnd(box(w, element), "?");
        click(w, "cmdClose");
        QCOMPARE(stored(table, column), (QStringList{"First?", "Second", "Newcomer!"}));
        QVERIFY(messages().isEmpty());
    }

    void deleting_data() { families(); }
    void deleting()
    {
        QWidget* w = openWith({"First", "Second", "Third"});
        click(w, "cmdNext");
        click(w, "cmdDelete"); // in the middle: the next row
        QCOMPARE(shown(w), QString("Third"));
        QCOMPARE(caption(w), prefix + "2");
        click(w, "cmdDelete"); // at the end: the new last row
        QCOMPARE(shown(w), QString("First"));
        QCOMPARE(caption(w), prefix + "1");
        QCOMPARE(stored(table, column), QStringList{"First"});
        click(w, "cmdDelete"); // the only row: nothing left to show, and no failure
        QCOMPARE(caption(w), prefix + "0");
        QCOMPARE(shown(w), QString());
        QVERIFY(stored(table, column).isEmpty());
        QVERIFY(messages().isEmpty());
        QCOMPARE(platform::cursor::current(), Shape::Arrow);
    }

    void dataErrorIsOneMessage_data() { families(); }
    void dataErrorIsOneMessage()
    {
        QFile::remove(databaseFile());
        QWidget* w = extras::openCollection(form);
        QVERIFY(w->isVisible());
        const QString noSet = kDataError + platform::db::describe(platform::db::NoOpenRecordset);
        QCOMPARE(messages(), QStringList{kDataError + platform::db::describe(platform::db::FileNotFound)});
        click(data(w), "Next"); // the strip's own arrow
        QCOMPARE(messages().mid(1), QStringList{noSet});

        // Usable still: a Refresh finds the file once it is there.
        openWith({"Found"});
        click(w, "cmdRefresh");
        QCOMPARE(shown(w), QString("Found"));
        QCOMPARE(messages().size(), 2);
    }
};

ZESTREL_TEST_MAIN(CollectionTest)
#include "collection_test.moc"
