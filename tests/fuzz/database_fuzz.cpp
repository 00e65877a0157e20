// libFuzzer target for opening a recipe file someone else wrote, as the main window opens it: the
// engine with the application's key and its guard, the file brought to the program's layout or
// read through its own stored queries, then the recipe table and a category read and saved.
// The first byte chooses what the rest is:
//   even  SQL run on a good catalogue by its author (as with the sqlcipher shell; the author may
//         call what the guard allows, and rename tables), planting views, triggers and tables
//   odd   the bytes of the file itself
#include "catalogue/layout.h"
#include "catalogue/schema.h"
#include "catalogue/upgrade.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/database/guard.h"
#include "platform/database/rowset.h"
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>

using namespace platform::db;

namespace {

QString fileAt(const char* name)
{
    static const QTemporaryDir dir;
    return dir.filePath(QLatin1String(name));
}

void write(const QString& path, const QByteArray& bytes)
{
    for (const char* side : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(side));
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

// A good, empty catalogue, made once.
const QByteArray& goodCatalogue()
{
    static const QByteArray bytes = [] {
        const QString path = fileAt("good.mdb");
        {
            auto db = createDatabase(path, catalogue::kConnect);
            catalogue::prepareCatalogue(*db);
            db->exec(
                QStringLiteral("INSERT INTO drinklst (DrinkName, Ing1) VALUES ('Gimlet', 'Gin'), ('Sour', 'Bourbon')"));
        }
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        return in.readAll();
    }();
    return bytes;
}

int author(void*, int action, const char*, const char* b, const char*, const char*)
{
    if (action == SQLITE_FUNCTION)
        return functionAllowed(b) || std::strncmp(b, "sqlite_rename_", 14) == 0 ? SQLITE_OK : SQLITE_DENY;
    return action == SQLITE_ATTACH || action == SQLITE_PRAGMA || action == SQLITE_CREATE_VTABLE ? SQLITE_DENY
                                                                                                : SQLITE_OK;
}

int enough(void* calls) { return ++*static_cast<int*>(calls) > 2000; }

void runAsAuthor(const QString& path, const QByteArray& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK) {
        const QByteArray key
            = catalogue::kConnect.section(QStringLiteral("pwd="), 1).section(QLatin1Char(';'), 0, 0).toUtf8();
        sqlite3_key(db, key.constData(), int(key.size()));
        sqlite3_set_authorizer(db, author, nullptr);
        int calls = 0;
        sqlite3_progress_handler(db, 1000, enough, &calls);
        sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

void readAndSave(const std::shared_ptr<Connection>& db, const QString& source)
{
    RowSet rs(db, source);
    for (int i = 0; i < 3 && !rs.isEOF(); ++i)
        rs.MoveNext();
    rs.MoveFirst();
    if (!rs.isEOF()) {
        std::vector<Value> v = rs.values();
        v[0] = QStringLiteral("Renamed");
        rs.save(v);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Files made here derive their key in one round instead of thousands (the seeds in corpus/ are
    // made so too): the same reading, a hundred times as many runs.
    sqlite3* settings = nullptr;
    sqlite3_open(":memory:", &settings);
    sqlite3_exec(settings, "PRAGMA cipher_default_kdf_iter = 1", nullptr, nullptr, nullptr);
    sqlite3_close(settings);
    setStepLimit(500);
    Connection::setBusyTimeout(10);
    goodCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString path = fileAt("Zestrel.mdb");
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (data[0] % 2 == 0) {
        write(path, goodCatalogue());
        runAsAuthor(path, rest);
    } else {
        write(path, rest);
    }
    try {
        auto db = std::make_shared<Connection>(path, catalogue::kConnect);
        catalogue::prepareCatalogue(*db);
        readAndSave(db, QStringLiteral("drinklst"));
        readAndSave(db, QStringLiteral("Gin"));
    } catch (const Error&) {
    }
    return 0;
}
