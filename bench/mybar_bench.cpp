// My Bar on catalogues grown from the supplied recipes (bench/grown.h): building the ingredient index, and a tick
// on the shelf updating all three lists in the window, each beside its floor measured in the same
// run (a full pass reading every ingredient line; the same sets worked out by one SQL query over
// the index).
//   mybar_bench [WORK_DIR] [SIZES...]      (default /tmp/zestrel-mybar-bench, 10000 100000)
#include "app/frmMyBar.h"
#include "catalogue/mybar/index.h"
#include "catalogue/mybar/vocabulary.h"
#include "grown.h"
#include "platform/application.h"
#include "platform/database/connection.h"
#include "platform/paths.h"
#include "timing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTreeWidget>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace platform::db;

namespace {

// Median wall-clock milliseconds of `runs` calls; `cpu` gets the median processor time, which a
// loaded machine stretches less.
double timeMs(int runs, const std::function<void()>& f, double* cpu = nullptr)
{
    std::vector<double> wall, processor;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const std::clock_t c0 = std::clock();
        f();
        processor.push_back(double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC);
        wall.push_back(ms(start, Clock::now()));
    }
    if (cpu)
        *cpu = median(processor);
    return median(wall);
}

// The floor of a tick: can make, one away (with what is missing) and the counts for buy next,
// from one query over the index and the shelf.
QString setsQuery()
{
    QStringList staples;
    for (const QString& s : catalogue::mybar::programVocabulary().staples)
        staples << QStringLiteral("'%1'").arg(s);
    return QStringLiteral(
               "SELECT d.DrinkName, m.missing, m.what FROM (SELECT zkey, sum(missing) AS missing, "
               "max(CASE WHEN missing THEN ingredient END) AS what FROM (SELECT DISTINCT u.zkey, u.ingredient, "
               "NOT coalesce(s.on_hand, u.ingredient IN (%1)) AS missing FROM mybar_uses AS u "
               "LEFT JOIN mybar_shelf AS s ON s.ingredient = u.ingredient WHERE u.garnish = 0) GROUP BY zkey "
               "HAVING sum(missing) <= 1) AS m JOIN drinklst AS d ON d.zkey = m.zkey ORDER BY d.DrinkName")
        .arg(staples.join(QLatin1Char(',')));
}

const QStringList kBottles = {"gin",        "vodka",          "white rum",    "tequila",    "bourbon",
                              "triple sec", "sweet vermouth", "dry vermouth", "lime juice", "lemon juice"};

void measure(const QString& dir, qint64 n)
{
    const QString source = generate(dir, n);
    // Building the index again, beside one pass reading every ingredient line.
    double build = 0, buildCpu = 0, pass = 0, passCpu = 0;
    {
        Connection db(source, catalogue::kConnect);
        build = timeMs(
            3,
            [&] {
                db.exec(QStringLiteral("BEGIN"));
                catalogue::mybar::fillIndex(db);
                db.exec(QStringLiteral("ROLLBACK"));
            },
            &buildCpu);
        pass = timeMs(
            3,
            [&] {
                Statement all(
                    db.handle(),
                    QStringLiteral("SELECT Ing1,Ing2,Ing3,Ing4,Ing5,Ing6,Ing7,Ing8,Ing9,Ing10 FROM drinklst"));
                while (all.step())
                    for (int c = 0; c < 10; ++c)
                        (void)all.text(c);
            },
            &passCpu);
    }
    std::printf("| %lld | building the index; floor: one pass reading every ingredient line | %.1f | %.1f | %.2f |\n",
                n, build, pass, build / pass);
    std::printf("| %lld | the same, processor time | %.1f | %.1f | %.2f |\n", n, buildCpu, passCpu, buildCpu / passCpu);

    const QString file = platform::paths::resolve(catalogue::kDatabasePath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    for (const char* end : {"", "-wal", "-shm"}) // nothing left of an earlier run
        QFile::remove(file + QLatin1String(end));
    QFile::copy(source, file);
    double open = 0;
    app::frmMyBar* bar = nullptr;
    open = timeMs(1, [&] { bar = new app::frmMyBar(); });
    bar->show();
    QCoreApplication::processEvents();
    auto* shelf = bar->findChild<QTreeWidget*>(QStringLiteral("lstShelf"));
    const auto item
        = [&](const QString& name) { return shelf->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0); };
    for (const QString& bottle : kBottles)
        item(bottle)->setCheckState(0, Qt::Checked);
    QCoreApplication::processEvents();
    bool on = false;
    const double tick = timeMs(21, [&] {
        on = !on;
        item(QStringLiteral("campari"))->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        QCoreApplication::processEvents(); // the lists drawn again
    });
    Connection db(file, catalogue::kConnect);
    const double floor = timeMs(21, [&] {
        Statement sets(db.handle(), setsQuery());
        while (sets.step())
            (void)sets.text(0), (void)sets.int64(1), (void)sets.text(2);
    });
    delete bar;
    std::printf("| %lld | opening My Bar (reading the index and the shelf) | %.1f | | |\n", n, open);
    std::printf("| %lld | a tick updating all three lists, saved and drawn; floor: the same sets from one query over "
                "the index | %.1f | %.1f | %.2f |\n",
                n, tick, floor, tick / floor);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString dir = args.value(0, QStringLiteral("/tmp/zestrel-mybar-bench"));
    QDir().mkpath(dir);
    qputenv("XDG_DATA_HOME", (dir + QStringLiteral("/data")).toUtf8());
    std::printf("| recipes | operation | ms | floor ms | ratio |\n|---:|---|---:|---:|---:|\n");
    for (const QString& size :
         args.size() > 1 ? args.mid(1) : QStringList{QStringLiteral("10000"), QStringLiteral("100000")})
        measure(dir, size.toLongLong());
    return 0;
}
