// The eight collection windows as defined (caption, record source, record caption, bound
// fields, flags), frmMedia's category pictures, and the games chooser.
#include "extras/collections.h"
#include "fixture.h"

using namespace fixture;

namespace {

// One row in every side table, "the <column>" in each column a window binds ("7" for ID).
Tables oneRowEach()
{
    Tables t{{"joke", {{{"ID", "7"}, {"joke", "the joke"}}}}, {"Toasting", {{{"Cat", "the Cat"}, {"Toasts", "the Toasts"}}}}};
    for (const char* table : {"cardgames", "dicegames", "coingames", "vocalgames", "boardgames", "mediagames"})
        t[table] = {{{"name", "the name"}, {"instructions", "the instructions"}}};
    return t;
}

} // namespace

class DefinitionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { watchMessages(); }
    void cleanup()
    {
        closeAll();
        platform::cursor::set(Shape::Arrow);
    }

    void everyDefinition_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("fields"); // "element|column|label|limit", limit "multi"
        QTest::addColumn<bool>("busy");
        const QStringList game{"0|name|Name:|50", "3|instructions|Instructions:|multi"};
        QTest::newRow("frmCards") << "Drinking Games Using Cards" << "cardgames" << "Game # " << game << false;
        QTest::newRow("frmDice") << "Drinking Games Using Dice" << "dicegames" << "Game # " << game << false;
        QTest::newRow("frmMoney") << "Games Using Coins" << "coingames" << "Game # " << game << false;
        QTest::newRow("frmMedia") << "Drinking Games Using TV Shows And Movies" << "mediagames" << "Game # " << game
                                  << false;
        QTest::newRow("frmSpeech") << "Drinking Games Using Speech" << "vocalgames" << "Game # " << game << false;
        QTest::newRow("frmBgames") << "Drinking Games Using Board Games" << "boardgames" << "Game # " << game << false;
        QTest::newRow("frmJoke") << "Bar Jokes" << "select * from [joke]" << "Joke #: "
                                 << QStringList{"0|ID|Joke #|0", "1|joke||multi"} << true;
        QTest::newRow("frmToasting") << "Toasting" << "select * from [Toasting]" << "Catagory #: "
                                     << QStringList{"0|Cat|Catagory:|50", "1|Toasts|Toasts:|multi"} << true;
    }
    void everyDefinition()
    {
        const QString form = QTest::currentDataTag();
        QFETCH(QString, caption);
        QFETCH(QString, source);
        QFETCH(QString, prefix);
        QFETCH(QStringList, fields);
        QFETCH(bool, busy);
        install(oneRowEach());
        QWidget* w = extras::openCollection(form);
        QCOMPARE(w->objectName(), form);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool); // no task bar entry
        QCOMPARE(data(w)->RecordSource(), source);
        QCOMPARE(data(w)->DatabaseName().toLower(), QString("c:\\windows\\system\\zestrel.mdb"));
        QCOMPARE(fixture::caption(w), prefix + "1");
        QCOMPARE(w->findChildren<platform::TextBox*>(QRegularExpression("^txtFields")).size(), fields.size());
        for (const QString& entry : fields) {
            const QStringList f = entry.split('|');
            platform::TextBox* b = box(w, f[0].toInt());
            QVERIFY2(b, qPrintable(entry));
            QCOMPARE(b->text(), f[1] == "ID" ? QString("7") : "the " + f[1]);
            QCOMPARE(b->kind() == platform::TextBox::Kind::MultiLine, f[3] == "multi");
            QCOMPARE(b->maxLength(), f[3].toInt());
            auto* label = w->findChild<QLabel*>("lblLabels(" + f[0] + ")");
            QCOMPARE(label ? label->text() : QString(), f[2]);
        }

        // The hourglass from each data action to the next Reposition, in the busy windows only.
        QObject scope;
        QList<Shape> during;
        connect(data(w), &platform::DataControl::Validate, &scope,
                [&](int&, bool&) { during << platform::cursor::current(); });
        click(w, "cmdNext");
        click(w, "cmdPrevious");
        click(w, "cmdDelete");
        const Shape shape = busy ? Shape::Hourglass : Shape::Arrow;
        QCOMPARE(during, QList<Shape>(4, shape)); // next, previous, delete, re-reading the empty list
        QCOMPARE(platform::cursor::current(), Shape::Arrow);
        QCOMPARE(extras::findCollection(form)->deleteStepBack, !busy);
        QCOMPARE(extras::findCollection(form)->busyCursor, busy);

        // Closing restores the normal cursor.
        platform::cursor::set(Shape::Hourglass);
        click(w, "cmdClose");
        QCOMPARE(platform::cursor::current(), Shape::Arrow);
        QVERIFY(messages().isEmpty());
    }

    void mediaPictureFollowsTheType()
    {
        std::vector<catalogue::Row> shows;
        for (const char* type : {"Movie", "TV", "Movie", "movie", "", "TV"})
            shows.push_back({{"name", "Show"}, {"type", type}});
        install({{"mediagames", shows}});
        QWidget* w = extras::openCollection("frmMedia");
        QWidget* film = w->findChild<QWidget*>("Picture1");
        QWidget* tv = w->findChild<QWidget*>("picTv");
        const auto pictures = [&] { return QString(film->isVisible() ? "film" : "") + (tv->isVisible() ? "tv" : ""); };

        // txtType starts as "Movie", so a first "Movie" is no change and shows nothing.
        QCOMPARE(pictures(), QString());
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            click(w, "cmdNext");
            seen << pictures();
        }
        QCOMPARE(seen, (QStringList{"tv", "film", "film", "film", "tv"}));
        QVERIFY(w->findChild<QWidget*>("Frame1")->isHidden());
        QVERIFY(w->findChild<QWidget*>("txtType")->isHidden());

        // A new row has no way to be given a type.
        click(w, "cmdAdd");
        typeAtEnd(box(w, 0), "Quiz Night");
        click(w, "cmdUpdate");
        QCOMPARE(stored("mediagames", "type").last(), QString("<null>"));
        QCOMPARE(pictures(), QString("tv"));
    }

    void chooserOpensEachGame()
    {
        install(oneRowEach());
        QWidget* chooser = extras::openGames();
        QCOMPARE(chooser->windowTitle(), QString("Drinking Games"));
        const QList<std::pair<QString, QString>> pictures{
            {"picCards", "frmCards"}, {"picCoin", "frmMoney"}, {"picDice", "frmDice"},
            {"picBoardGames", "frmBgames"}, {"picVocal", "frmSpeech"}, {"picMedia", "frmMedia"}};
        for (const auto& [picture, form] : pictures) {
            click(chooser, picture);
            QWidget* game = platform::forms::find(form);
            QVERIFY2(game && game->isVisible(), qPrintable(picture));
            QCOMPARE(game->windowTitle(), extras::findCollection(form)->caption);
            click(chooser, picture); // twice is still one window
            QCOMPARE(platform::forms::find(form), game);
        }
        QCOMPARE(platform::forms::find("frmMoney")->windowTitle(), QString("Games Using Coins"));
        QCOMPARE(platform::forms::find("frmSpeech")->windowTitle(), QString("Drinking Games Using Speech"));
        QCOMPARE(platform::forms::openWindows().size(), 7);
        click(chooser, "Label1"); // a label opens nothing

        click(chooser, "cmdClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(platform::forms::find("frmGames"), nullptr);
        QCOMPARE(platform::forms::openWindows().size(), 6); // the games stay open
        QVERIFY(extras::openGames() != nullptr);
        QVERIFY(messages().isEmpty());
    }
};

ZESTREL_TEST_MAIN(DefinitionsTest)
#include "definitions_test.moc"
