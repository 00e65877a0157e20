// Recipe files and backups beside the least work the same result needs, in the same run:
// an import of 10 000 recipes from our JSON beside inserting the same rows with one prepared
// statement (with the category triggers, and without them, to show what they cost); an export of
// 100 000 recipes beside reading every column of every row; a backup of the 100 000-recipe file
// beside copying it with cp.
//   transfer_bench [WORK_DIR]      (default /tmp/zestrel-transfer-bench)
#include "catalogue/compiler/builder.h"
#include "catalogue/transfer/backups.h"
#include "catalogue/transfer/transfers.h"
#include "platform/database/connection.h"
#include "timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <functional>

using namespace catalogue;
using platform::db::Connection;

namespace {

// The supplied recipes copied until there are n, each named "Drink i".
std::vector<Recipe> recipes(qint64 n)
{
    static const Content content = loadContent(QStringLiteral(ZESTREL_SOURCE_DIR "/content"));
    std::vector<Recipe> list;
    for (qint64 i = 0; i < n; ++i) {
        list.push_back(content.recipes[size_t(i) % content.recipes.size()]);
        list.back().name = QStringLiteral("Drink %1").arg(i + 1);
    }
    return list;
}

QString catalogueOf(const QString& dir, qint64 n)
{
    const QString path = QStringLiteral("%1/catalogue-%2.mdb").arg(dir).arg(n);
    if (!QFile::exists(path)) {
        Content content = loadContent(QStringLiteral(ZESTREL_SOURCE_DIR "/content"));
        content.recipes = recipes(n);
        buildDatabase(path + QStringLiteral(".new"), content);
        QFile::rename(path + QStringLiteral(".new"), path);
    }
    return path;
}

// Median of `runs`, in milliseconds; `prepare` runs untimed before each.
double timeIt(int runs, const std::function<void()>& prepare, const std::function<void()>& f)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = Clock::now();
        f();
        t.push_back(ms(start, Clock::now()));
    }
    return median(t);
}

void row(const char* what, double ours, const char* floorName, double floor)
{
    std::printf("| %s | %.1f | %s | %.1f | %.2f |\n", what, ours, floorName, floor, ours / floor);
}

// Inserts the recipes with one prepared statement in one transaction, as the least an import
// needs once the file is read.
void insertAll(const QString& path, const std::vector<Recipe>& list, bool triggers)
{
    Connection db(path, kConnect);
    if (!triggers)
        db.exec(QStringLiteral("DROP TRIGGER zcategory_insert"));
    db.exec(QStringLiteral("BEGIN"));
    platform::db::Statement insert(db.handle(), QStringLiteral("INSERT INTO drinklst (%1) VALUES (%2)")
                                                    .arg(recipeColumns().join(QLatin1Char(',')),
                                                         QStringLiteral("?,").repeated(22) + QLatin1Char('?')));
    for (const Recipe& r : list) {
        const QStringList values = columnValues(r);
        for (int i = 0; i < values.size(); ++i)
            insert.bind(i + 1, values[i].isEmpty() ? std::nullopt : std::optional<QString>(values[i]));
        insert.step();
        insert.reset();
    }
    db.exec(QStringLiteral("COMMIT"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zestrel-transfer-bench");
    QDir().mkpath(dir);
    const QString empty = catalogueOf(dir, 0), big = catalogueOf(dir, 100000);
    const QString target = dir + QStringLiteral("/target.mdb"), json = dir + QStringLiteral("/10000.json");
    const std::vector<Recipe> tenThousand = recipes(10000);
    {
        // The first 10 000 recipes of the big catalogue, exported as a user would.
        QFile::copy(big, target);
        Connection db(target, kConnect);
        db.exec(QStringLiteral("DELETE FROM drinklst WHERE zkey > 10000"));
        transfer::exportList(db, QStringLiteral("drinklst"), json, transfer::Format::Json);
        QFile::remove(target);
    }
    const auto fresh = [&] {
        QFile::remove(target);
        QDir(transfer::backups::folderOf(target)).removeRecursively();
        QFile::copy(empty, target);
    };
    std::printf("| operation | ms | floor | floor ms | ratio |\n|---|---:|---|---:|---:|\n");

    const double imported = timeIt(3, fresh, [&] {
        Connection db(target, kConnect);
        transfer::importFile(db, json);
    });
    const double inserted = timeIt(3, fresh, [&] { insertAll(target, tenThousand, true); });
    const double bare = timeIt(3, fresh, [&] { insertAll(target, tenThousand, false); });
    row("import of 10 000 recipes from our JSON (read, backup, rules, one transaction)", imported,
        "the same rows inserted with one prepared statement, category triggers on", inserted);
    row("the same import", imported, "the same rows inserted, category triggers off", bare);

    Connection db(big, kConnect);
    const auto nothing = [] {};
    for (const auto& [name, format] :
         {std::pair{"JSON", transfer::Format::Json}, std::pair{"CSV", transfer::Format::Csv}}) {
        const double exported = timeIt(3, nothing, [&] {
            transfer::exportList(db, QStringLiteral("drinklst"), dir + QStringLiteral("/out"), format);
        });
        const double read = timeIt(3, nothing, [&] {
            platform::db::Statement all(
                db.handle(),
                QStringLiteral("SELECT %1 FROM drinklst ORDER BY zkey").arg(recipeColumns().join(QLatin1Char(','))));
            while (all.step())
                for (int c = 0; c < 23; ++c)
                    (void)all.text(c);
        });
        row(qPrintable(QStringLiteral("export of 100 000 recipes as %1").arg(QLatin1String(name))), exported,
            "every column of every row read", read);
    }

    const QString folder = transfer::backups::folderOf(big);
    const double backedUp = timeIt(
        5, [&] { QDir(folder).removeRecursively(); }, [&] { transfer::backups::make(db); });
    const double copied = timeIt(
        5, [&] { QFile::remove(dir + QStringLiteral("/copy.mdb")); },
        [&] {
            QProcess::execute(QStringLiteral("cp"), {big, dir + QStringLiteral("/copy.mdb")});
        });
    // The backup is synced before it takes its name; cp alone leaves the copy in the page cache.
    const double synced = timeIt(
        5, [&] { QFile::remove(dir + QStringLiteral("/copy.mdb")); },
        [&] {
            QProcess::execute(QStringLiteral("cp"), {big, dir + QStringLiteral("/copy.mdb")});
            QProcess::execute(QStringLiteral("sync"), {dir + QStringLiteral("/copy.mdb")});
        });
    const QString backup
        = QStringLiteral("backup of the 100 000-recipe file (%1 MB)").arg(QFileInfo(big).size() / 1e6, 0, 'f', 1);
    row(qPrintable(backup), backedUp, "cp of the file", copied);
    row(qPrintable(backup), backedUp, "cp of the file, then sync of the copy", synced);
    return 0;
}
