// The row-set engine against the least work the SQLCipher C API needs for the same result,
// on generated catalogues of 10 000, 100 000 and 1 000 000 recipes.
//   engine_bench [WORK_DIR] [SIZES...]      (default /tmp/zestrel-bench, 10000 100000 1000000)
#include "catalogue/categories.h"
#include "catalogue/compiler/builder.h"
#include "catalogue/membership.h"
#include "catalogue/upgrade.h"
#include "grown.h"
#include "memory.h"
#include "platform/database/rowset.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

using namespace platform::db;
using Clock = std::chrono::steady_clock;

namespace {

const QString kFind = QStringLiteral("DrinkName Like '*sour*'");

// Median time of `runs` calls, in microseconds per call.
double timeIt(int runs, const std::function<void()>& f)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(t.begin(), t.begin() + long(t.size() / 2), t.end());
    return t[t.size() / 2];
}

struct Floor { // the raw C API doing the same jobs
    sqlite3* db;
    Statement readRow, insert, del;
    std::vector<qint64> keyList;
    explicit Floor(sqlite3* h)
        : db(h),
          readRow(h, QStringLiteral("SELECT DrinkName,Qty1,Ing1,Qty2,Ing2,Qty3,Ing3,Qty4,Ing4,Qty5,Ing5,Qty6,Ing6,Qty7,Ing7,"
                                    "Qty8,Ing8,Qty9,Ing9,Qty10,Ing10,Directions,Glass FROM drinklst WHERE zkey = ?1")),
          insert(h, QStringLiteral("INSERT INTO drinklst (DrinkName, Glass) VALUES (?1, 'Cocktail')")),
          del(h, QStringLiteral("DELETE FROM drinklst WHERE zkey = ?1"))
    {
    }
    void read(qint64 key)
    {
        readRow.reset();
        readRow.bind(1, key);
        if (readRow.step())
            for (int i = 0; i < 23; ++i)
                (void)readRow.text(i);
        readRow.reset();
    }
    // Opening prepares its statements afresh, as any first use must.
    void open()
    {
        keyList.clear();
        Statement fresh(db, QStringLiteral("SELECT zkey FROM drinklst ORDER BY zkey"));
        while (fresh.step())
            keyList.push_back(fresh.int64(0));
        Statement first(db, QStringLiteral("SELECT DrinkName,Qty1,Ing1,Qty2,Ing2,Qty3,Ing3,Qty4,Ing4,Qty5,Ing5,Qty6,Ing6,Qty7,Ing7,"
                                           "Qty8,Ing8,Qty9,Ing9,Qty10,Ing10,Directions,Glass FROM drinklst WHERE zkey = ?1"));
        first.bind(1, keyList.front());
        if (first.step())
            for (int i = 0; i < 23; ++i)
                (void)first.text(i);
    }
    // A find is a new query each time, as a user's search is.
    qint64 findFrom(qint64 key)
    {
        Statement find(db, QStringLiteral("SELECT zkey FROM drinklst WHERE zkey >= ?1 AND DrinkName LIKE '%sour%' "
                                          "ORDER BY zkey LIMIT 1"));
        find.bind(1, key);
        const qint64 k = find.step() ? find.int64(0) : -1;
        if (k >= 0)
            read(k);
        return k;
    }
};

double fullPass(sqlite3* db)
{
    return timeIt(3, [&] {
        Statement pass(db, QStringLiteral("SELECT max(length(Directions)) FROM drinklst"));
        pass.step();
    });
}

// Choosing each category: the row set opened over its stored query, beside the least work for
// the same list straight from the membership index (every key of the category, then its first
// row); the first choice of each category (the engine prepares its statements, the floor
// prepares its two) and the choices after it (both reuse what they prepared); the slowest
// category also beside one full pass over the rows, and beside the earlier layout's stored
// query, which tested every row.
void switchCategories(qint64 n, const std::shared_ptr<Connection>& conn)
{
    sqlite3* db = conn->handle();
    const auto floorRead = [](Statement& keys, Statement& first, const QString& query) {
        keys.reset();
        keys.bind(1, Value(query));
        std::vector<qint64> list;
        while (keys.step())
            list.push_back(keys.int64(0));
        if (list.empty())
            return;
        first.reset();
        first.bind(1, list.front());
        if (first.step())
            for (int i = 0; i < first.columnCount(); ++i)
                (void)first.text(i);
    };
    const QString keysSql = QStringLiteral("SELECT zkey FROM zcategory_members WHERE category = ?1");
    const QString firstSql = QStringLiteral("SELECT * FROM drinklst WHERE zkey = ?1");
    std::vector<double> coldRatios;
    for (const catalogue::Category& c : catalogue::categories()) {
        const double e = timeIt(1, [&] { RowSet rs(conn, c.query); });
        const double f = timeIt(1, [&] {
            Statement keys(db, keysSql), first(db, firstSql);
            floorRead(keys, first, c.query);
        });
        coldRatios.push_back(e / f);
    }
    std::sort(coldRatios.begin(), coldRatios.end());
    std::printf("| %lld | category switch, first choice of each, median ratio of 16; floor: the same, preparing its statements | | | %.2f |\n",
                (long long)n, coldRatios[coldRatios.size() / 2]);

    Statement keys(db, keysSql), first(db, firstSql);
    std::vector<double> ratios;
    double slowest = 0, worst = 0, worstTime = 0, worstFloor = 0;
    QString worstName;
    for (const catalogue::Category& c : catalogue::categories()) {
        const double e = timeIt(9, [&] { RowSet rs(conn, c.query); });
        const double f = timeIt(9, [&] { floorRead(keys, first, c.query); });
        ratios.push_back(e / f);
        slowest = std::max(slowest, e);
        if (e / f > worst) {
            worst = e / f;
            worstTime = e;
            worstFloor = f;
            worstName = c.query;
        }
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("| %lld | category switch, median ratio of 16; floor: the category's keys from the membership index | | | %.2f |\n",
                (long long)n, ratios[ratios.size() / 2]);
    std::printf("| %lld | category switch, highest ratio (%s); same floor | %.1f | %.1f | %.2f |\n", (long long)n,
                qPrintable(worstName), worstTime, worstFloor, worst);
    const double pass = fullPass(db);
    std::printf("| %lld | category switch, slowest of 16; floor: one full pass over the rows | %.1f | %.1f | %.2f |\n", (long long)n,
                slowest, pass, slowest / pass);
    std::fflush(stdout);
    if (n > 100000)
        return; // tens of minutes at this size
    const QString cordials = catalogue::categoryCondition(QStringLiteral("Cordials"), catalogue::programRules(),
                                                          catalogue::RuleInputs::ofColumns());
    const double earlier = timeIt(3, [&] {
        Statement all(db, QStringLiteral("SELECT zkey FROM drinklst WHERE %1").arg(cordials));
        while (all.step()) {
        }
    });
    std::printf("| %lld | earlier layout: Cordials' stored query testing every row; floor: one full pass | %.1f | %.1f | %.2f |\n",
                (long long)n, earlier, pass, earlier / pass);
    std::fflush(stdout);
}

// Upgrading a file of the earlier layout (stored queries testing every row), beside one full pass.
void upgrade(qint64 n, const QString& dir)
{
    const QString path = QStringLiteral("%1/earlier-%2.mdb").arg(dir).arg(n);
    QFile::remove(path);
    QFile::copy(generate(dir, n), path);
    auto conn = std::make_shared<Connection>(path, catalogue::kConnect);
    conn->exec(QStringLiteral("DROP TRIGGER zcategory_insert; DROP TRIGGER zcategory_update; DROP TRIGGER zcategory_delete; "
                              "DROP TABLE zcategory_members; DROP INDEX drinklst_zkey"));
    for (const catalogue::Category& c : catalogue::categories())
        conn->exec(QStringLiteral("DROP VIEW \"%1\"; CREATE VIEW \"%1\" AS SELECT * FROM drinklst WHERE %2")
                       .arg(c.query, catalogue::categoryCondition(c.query, catalogue::programRules(), catalogue::RuleInputs::ofColumns())));
    const double pass = fullPass(conn->handle());
    const double e = timeIt(1, [&] { catalogue::prepareCatalogue(*conn); });
    std::printf("| %lld | upgrade of an earlier-layout file (once); floor: one full pass | %.1f | %.1f | %.2f |\n", (long long)n, e, pass,
                e / pass);
    const double again = timeIt(21, [&] { catalogue::prepareCatalogue(*conn); });
    std::printf("| %lld | check of an upgraded file at each opening; floor: one full pass | %.1f | %.1f | %.2f |\n", (long long)n, again,
                pass, again / pass);
    std::fflush(stdout);
    conn.reset();
    QFile::remove(path);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString dir = args.isEmpty() ? QStringLiteral("/tmp/zestrel-bench") : args.takeFirst();
    std::vector<qint64> sizes;
    for (const QString& a : args)
        sizes.push_back(a.toLongLong());
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};
    QDir().mkpath(dir);

    std::printf("| recipes | operation | engine µs | floor µs | ratio |\n|---:|---|---:|---:|---:|\n");
    auto row = [](qint64 n, const char* op, double engine, double floor) {
        std::printf("| %lld | %s | %.1f | %.1f | %.2f |\n", (long long)n, op, engine, floor, floor > 0 ? engine / floor : 0.0);
        std::fflush(stdout);
    };
    for (qint64 n : sizes) {
        const QString path = generate(dir, n);
        auto conn = std::make_shared<Connection>(path, catalogue::kConnect);
        Floor floor(conn->handle());
        const int openRuns = n >= 1000000 ? 5 : 15;
        std::unique_ptr<RowSet> rs;
        const double openE = timeIt(openRuns, [&] { rs = std::make_unique<RowSet>(conn, QStringLiteral("drinklst")); });
        const double openF = timeIt(openRuns, [&] { floor.open(); });
        row(n, "open (first row current); floor: every key read", openE, openF);
        switchCategories(n, conn);

        qint64 i = 0;
        const int moves = int(std::min<qint64>(20001, n - 2));
        const double nextE = timeIt(moves, [&] { rs->MoveNext(); });
        const double nextF = timeIt(moves, [&] { floor.read(floor.keyList[size_t(++i)]); });
        row(n, "MoveNext", nextE, nextF);
        const double prevE = timeIt(moves / 2, [&] { rs->MovePrevious(); });
        row(n, "MovePrevious", prevE, nextF);
        const double lastE = timeIt(201, [&] { rs->MoveLast(); });
        const double lastF = timeIt(201, [&] { floor.read(floor.keyList.back()); });
        row(n, "MoveLast", lastE, lastF);
        const double firstE = timeIt(201, [&] { rs->MoveFirst(); });
        const double firstF = timeIt(201, [&] { floor.read(floor.keyList.front()); });
        row(n, "MoveFirst", firstE, firstF);

        const int findRuns = n >= 1000000 ? 5 : 11;
        const double findE = timeIt(findRuns, [&] { rs->FindFirst(kFind); });
        qint64 found = -1;
        const double findF = timeIt(findRuns, [&] { found = floor.findFrom(floor.keyList.front()); });
        row(n, "FindFirst '*sour*'", findE, findF);
        rs->FindFirst(kFind);
        const BookmarkId firstHit = rs->Bookmark();
        const double nextFindE = timeIt(findRuns * 4, [&] {
            rs->FindNext(kFind);
            rs->setBookmark(firstHit);
        }) - nextE;
        const double nextFindF = timeIt(findRuns * 4, [&] { floor.findFrom(found + 1); });
        row(n, "FindNext '*sour*'", nextFindE, nextFindF);

        std::vector<Value> fresh(23);
        fresh[0] = QStringLiteral("Bench Added");
        fresh[22] = QStringLiteral("Cocktail");
        const double addE = timeIt(21, [&] {
            rs->AddNew();
            rs->save(fresh);
        });
        const double addF = timeIt(21, [&] {
            floor.insert.reset();
            floor.insert.bind(1, Value(QStringLiteral("Bench Added")));
            floor.insert.step();
        });
        row(n, "AddNew + save", addE, addF);

        rs->MoveFirst();
        const double delE = timeIt(21, [&] {
            rs->Delete();
            rs->MoveNext();
        });
        size_t k = floor.keyList.size() - 1; // rows the engine did not delete
        const double delF = timeIt(21, [&] {
            floor.del.reset();
            floor.del.bind(1, floor.keyList[k]);
            floor.del.step();
            floor.read(floor.keyList[--k]);
        });
        row(n, "Delete + MoveNext", delE, delF);
        std::unique_ptr<RowSet> reopened;
        const double lastFreshE = timeIt(openRuns, [&] {
            reopened = std::make_unique<RowSet>(conn, QStringLiteral("drinklst"));
            reopened->MoveLast();
        });
        row(n, "open + MoveLast (every key read); floor: every key read", lastFreshE, openF);
        reopened.reset();
        rs.reset();
        floor.keyList.clear();
        floor.keyList.shrink_to_fit();
        auto held = std::make_unique<RowSet>(conn, QStringLiteral("drinklst"));
        std::printf("| %lld | resident memory with the set open | %ld KiB | | |\n", (long long)n, memoryKiB("VmRSS"));
        // Put the file back as generated for the next run.
        conn.reset();
        held.reset();
        QFile::remove(path);
        if (n <= 100000)
            upgrade(n, dir);
    }
    return 0;
}
