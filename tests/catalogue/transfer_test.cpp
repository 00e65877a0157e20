// Recipe files and backups against real database files: round trips through our JSON and CSV,
// the common shape with every import rule, refused files that leave every row as it was, and a
// backup that restores the same rows.
#include "catalogue/categories.h"
#include "catalogue/compiler/builder.h"
#include "catalogue/transfer/backups.h"
#include "catalogue/transfer/transfers.h"
#include "platform/database/connection.h"
#include "tests/common/testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace catalogue;
using namespace catalogue::transfer;
using Rows = QList<QStringList>;

namespace {

Recipe recipe(const QString& name, const QStringList& lines, const QString& directions = "Stir.",
              const QString& glass = "Highball")
{
    Recipe r{name, glass, {}, {}, directions};
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        r.qty[size_t(i / 2)] = lines[i];
        r.ing[size_t(i / 2)] = lines[i + 1];
    }
    return r;
}

// Every column of every recipe in key order; a null column reads "<null>".
Rows rowsOf(const QString& path)
{
    platform::db::Connection db(path, kConnect);
    platform::db::Statement st(db.handle(), "SELECT * FROM drinklst ORDER BY zkey");
    Rows rows;
    while (st.step()) {
        QStringList row;
        for (int c = 1; c < st.columnCount(); ++c)
            row << st.text(c).value_or("<null>");
        rows << row;
    }
    return rows;
}

QStringList namesOf(const Rows& rows)
{
    QStringList names;
    for (const QStringList& r : rows)
        names << r.first();
    return names;
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir; // a new one for each test
    QString path(const QString& name) const { return dir->filePath(name); }
    QString catalogue(const std::vector<Recipe>& recipes, const QString& name = "Zestrel.mdb")
    {
        Content content;
        for (const Category& c : categories())
            content.categories.push_back({c.query, "name", {c.query.toLower()}});
        content.recipes = recipes;
        buildDatabase(path(name), content);
        return path(name);
    }
    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    ImportSummary import(const QString& database, const QString& from)
    {
        platform::db::Connection db(database, kConnect);
        return importFile(db, from);
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::newRow("json") << "json";
        QTest::newRow("csv") << "csv";
    }
    void roundTrip()
    {
        QFETCH(QString, extension);
        QStringList full;
        for (int i = 1; i <= 10; ++i)
            full << QString(50, QChar('0' + i % 10)) << QString("Ingrédient, \"%1\"").arg(i);
        const QString source = catalogue({
            recipe("Piña \"Colada\", frozen", {"2 oz", "Rum", "", "", "1 cup", "Pineapple, crushed"},
                   "Blend.\nPour;\r\nserve \"cold\",\tnow."),
            recipe("Ümlaut Fizz 日本", full, "", ""),
            recipe("Empty", {}, "", ""),
            recipe("=SUM(A1)", {"", "Ice"}, "Line one\n\nLine three\n", "Cocktail"),
        });
        platform::db::Connection db(source, kConnect);
        QCOMPARE(exportList(db, "drinklst", path("out." + extension), *formatOf("x." + extension)), 4);
        const QString target = catalogue({}, "empty.mdb");
        const ImportSummary summary = import(target, path("out." + extension));
        QCOMPARE(summary.line(), QString("Imported 4 recipes, skipped 0."));
        QCOMPARE(rowsOf(target), rowsOf(source));
    }

    void commonShape()
    {
        const QString database
            = catalogue({recipe("Negroni", {"3 cl", "Gin", "3 cl", "Campari", "3 cl", "Sweet red vermouth"}),
                         recipe("Martini", {"2 oz", "Gin"}, "Stir.", "Cocktail")});
        QStringList eleven;
        for (int i = 0; i < 11; ++i)
            eleven << QString(R"({"cl": 1, "ingredient": "Part %1"})").arg(i);
        const QString json = QString(R"([
  {"name": "Dry Gin Martini", "glass": "martini", "category": "All Day Cocktail",
   "ingredients": [{"cl": 6, "ingredient": "Gin"}, {"ml": 10, "ingredient": "Vermouth", "label": "Dry vermouth"},
                   {"special": "2 dashes Angostura bitters"}, {"special": "Lemon twist to finish"}],
   "garnish": "Olive", "preparation": "Stir with ice.\nStrain."},
  {"name": "Old Pal", "glass": "old-fashioned", "ingredients": [{"oz": 1.5, "ingredient": "Rye"}, {"unit": "cl", "amount": 4.5, "ingredient": "Campari"}]},
  {"name": "Bellini", "glass": "champagne-flute", "ingredients": [{"cl": 10, "ingredient": "Prosecco"}]},
  {"name": "Hurricane", "glass": "hurricane glass"},
  {"name": "Negroni", "glass": "old-fashioned", "preparation": "Build.",
   "ingredients": [{"cl": 3, "ingredient": "Gin"}, {"cl": 3, "ingredient": "Campari"}, {"cl": 3, "ingredient": "Sweet red vermouth"}]},
  {"name": "martini", "glass": "martini", "ingredients": [{"cl": 5, "ingredient": "Vodka"}]},
  {"name": "Martini", "ingredients": [{"cl": 4, "ingredient": "Vodka"}]},
  {"name": "Old Pal", "glass": "old-fashioned", "ingredients": [{"oz": 1.5, "ingredient": "Rye"}, {"unit": "cl", "amount": 4.5, "ingredient": "Campari"}]},
  {"name": "Kitchen Sink", "ingredients": [%1]},
  {"name": "Long Line", "ingredients": [{"special": "%2"}]},
  {"name": "%3"},
  {"glass": "martini"}
])")
                                 .arg(eleven.join(", "), QString(51, 'x'), QString(51, 'N'));
        const Rows before = rowsOf(database);
        const ImportSummary summary = import(database, file("drinks.json", json.toUtf8()));

        QCOMPARE(summary.imported, 6);
        QStringList skipped;
        for (const auto& s : summary.skipped)
            skipped << s.name + ": " + s.reason;
        QCOMPARE(skipped, (QStringList{"Negroni: the same recipe is in the catalogue",
                                       "Old Pal: the same recipe is in the catalogue",
                                       "Kitchen Sink: it has 11 ingredient lines and a recipe holds 10",
                                       "Long Line: ingredient line 1 is over 50 characters",
                                       QString(51, 'N') + ": its name is over 50 characters", ": it has no name"}));
        QCOMPARE(summary.renamed, (QStringList{"martini (imported)", "Martini (imported 2)"}));

        const Rows rows = rowsOf(database);
        QCOMPARE(rows.mid(0, before.size()), before);
        QCOMPARE(namesOf(rows.mid(before.size())), (QStringList{"Dry Gin Martini", "Old Pal", "Bellini", "Hurricane",
                                                                "martini (imported)", "Martini (imported 2)"}));
        const QStringList& martini = rows[before.size()];
        QCOMPARE(martini.mid(1, 8), (QStringList{"6 cl", "Gin", "10 ml", "Dry vermouth", "2 dashes",
                                                 "Angostura bitters", "<null>", "Lemon twist to finish"}));
        QCOMPARE(martini[21], QString("Stir with ice.\nStrain.\nGarnish: Olive"));
        QStringList glasses;
        for (const QStringList& r : rows.mid(before.size()))
            glasses << r[22];
        QCOMPARE(glasses, (QStringList{"Cocktail", "Old-Fashioned", "Champagne Flute", "hurricane glass", "Cocktail",
                                       "<null>"}));
        QCOMPARE(rows[before.size() + 1].mid(1, 4), (QStringList{"1.5 oz", "Rye", "4.5 cl", "Campari"}));
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray ours
            = R"({"format": "zestrel-recipes", "version": 1, "recipes": [{"name": "A"}, {"name": "B"}]})";
        QTest::newRow("cut short") << "a.json" << ours.left(ours.size() - 10) << "damaged or cut short";
        QTest::newRow("Latin-1") << "a.json" << QByteArray(R"([{"name": "Pi)") + char(0xF1) + "a\"}]"
                                 << "not UTF-8";
        QTest::newRow("UTF-16") << "a.csv"
                                << QByteArray("\xFF\xFE"
                                              "D\0r\0",
                                              6)
                                << "not UTF-8";
        QTest::newRow("binary") << "a.json" << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "not UTF-8";
        QTest::newRow("empty") << "a.json" << QByteArray() << "damaged or cut short";
        QTest::newRow("CSV named .json") << "a.json" << QByteArray("DrinkName,Qty1\r\nA,1\r\n")
                                         << "damaged or cut short";
        QTest::newRow("JSON named .csv") << "a.csv" << ours << "not a Zestrel recipe file";
        QTest::newRow("another extension") << "a.txt" << ours << "ending in .json or .csv";
        QTest::newRow("another JSON object")
            << "a.json" << QByteArray(R"({"drinks": []})") << "not a Zestrel recipe file";
        QTest::newRow("a name that is a number")
            << "a.json"
            << QByteArray(R"({"format": "zestrel-recipes", "version": 1, "recipes": [{"name": "A"}, {"name": 5}]})")
            << "recipe 2: \"name\" is not text";
        QTest::newRow("common shape, ingredients not a list")
            << "a.json" << QByteArray(R"([{"name": "A", "ingredients": 3}])") << "not a list of recipes";
        QByteArray csv = "\xEF\xBB\xBF" + catalogue::recipeColumns().join(",").toUtf8() + "\r\n";
        QTest::newRow("CSV quote not closed")
            << "a.csv" << csv + "\"A" + QByteArray(22, ',') << "quoted field is not closed";
        QTest::newRow("CSV row short") << "a.csv" << csv + QByteArray(22, ',') + "\r\nB,,\r\n"
                                       << "3 fields where there should be 23";
        QTest::newRow("over 50 MB") << "big.json" << QByteArray() << "over 50 MB";
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString database = catalogue({recipe("Negroni", {"3 cl", "Gin"})});
        const Rows before = rowsOf(database);
        QString from = file(name, bytes);
        if (name == "big.json")
            QFile(from).resize(kMostBytes + 1);
        try {
            import(database, from);
            QFAIL("the file was not refused");
        } catch (const platform::Failure& e) {
            const QString message = QString::fromUtf8(e.what());
            QVERIFY2(message.startsWith(QString("Nothing was imported from \"%1\": ").arg(name)), qPrintable(message));
            QVERIFY2(message.contains(reason), qPrintable(message));
        }
        QCOMPARE(rowsOf(database), before);
        QVERIFY(backups::list(database).empty());
    }

    void backupRestoresTheSameRows()
    {
        const QString database = catalogue({recipe("Negroni", {"3 cl", "Gin"}), recipe("Sazerac", {"2 oz", "Rye"})});
        const Rows saved = rowsOf(database);
        {
            platform::db::Connection db(database, kConnect);
            backups::make(db);
            db.exec("DELETE FROM drinklst WHERE DrinkName = 'Negroni'; UPDATE drinklst SET Qty1 = '3 oz'");
        }
        const Rows changed = rowsOf(database);
        std::vector<backups::Backup> list = backups::list(database);
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(list[0].recipes, 2);
        QVERIFY(qAbs(list[0].taken.secsTo(QDateTime::currentDateTime())) < 60);

        backups::restore(database, list[0].path);
        QCOMPARE(rowsOf(database), saved);
        list = backups::list(database);
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(list[0].recipes, 1); // the rows as they were before the restore, newest
        QCOMPARE(rowsOf(list[0].path), changed);

        // A reader keeps the last write in the log: the backup still holds it.
        platform::db::Connection::setBusyTimeout(50);
        {
            platform::db::Connection db(database, kConnect), reader(database, kConnect);
            platform::db::Statement reading(reader.handle(), "SELECT * FROM drinklst");
            reading.step();
            db.exec("UPDATE drinklst SET Glass = 'Goblet'");
            QVERIFY(QFileInfo(database + "-wal").size() > 0);
            QCOMPARE(rowsOf(backups::make(db)), rowsOf(database));
        }
        platform::db::Connection::setBusyTimeout(5000);

        for (int i = 0; i < 12; ++i) {
            platform::db::Connection db(database, kConnect);
            backups::make(db);
        }
        QCOMPARE(int(backups::list(database).size()), backups::kKept);
        QCOMPARE(QDir(backups::folderOf(database)).entryList(QDir::Files).size(), backups::kKept); // nothing else left
        QVERIFY(!backups::makeDaily(database));
    }
};

ZESTREL_TEST_MAIN(TransferTest)
#include "transfer_test.moc"
