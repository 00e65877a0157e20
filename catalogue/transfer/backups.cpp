#include "catalogue/transfer/backups.h"

#include "catalogue/schema.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/identity.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace catalogue::transfer::backups {

using platform::db::Connection;

namespace {

const QString kStamp = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QString kPrefix = QStringLiteral("Zestrel-");
const QString kSuffix = QStringLiteral(".mdb");

QDateTime takenOf(const QString& fileName)
{
    return QDateTime::fromString(fileName.mid(kPrefix.size(), kStamp.size()), kStamp);
}

// The copies' file names, newest first.
QStringList copies(const QString& folder)
{
    QStringList names
        = QDir(folder).entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name | QDir::Reversed);
    names.removeIf([](const QString& name) { return !takenOf(name).isValid(); });
    return names;
}

// Page by page from one open database into another, in one step of the backup API.
void copyPages(sqlite3* from, sqlite3* to, const QString& what)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        throw platform::Failure(QStringLiteral("%1: %2.").arg(what, QString::fromUtf8(sqlite3_errmsg(to))));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw platform::Failure(QStringLiteral("%1: %2.").arg(what, QString::fromUtf8(sqlite3_errstr(rc))));
}

void pruneOld(const QString& folder)
{
    for (const QString& old : copies(folder).mid(kKept))
        QFile::remove(QDir(folder).filePath(old));
}

void syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The database as it stands, into the file `to`. While this connection holds the write lock no
// commit can change the file or its write-ahead log, so their bytes (encrypted as they are) are
// the whole database, copied as fast as any copy. The log is emptied into the file first; when a
// reader kept some of it there, the copy of the log is moved into the copy of the file.
void copyWhole(Connection& database, const QString& to, const QString& what)
{
    sqlite3* db = database.handle();
    sqlite3_wal_checkpoint_v2(db, "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    database.exec(QStringLiteral("BEGIN IMMEDIATE"));
    const QString log = database.path() + QStringLiteral("-wal");
    const bool logged = QFileInfo(log).size() > 0;
    const bool copied = QFile::copy(database.path(), to) && (!logged || QFile::copy(log, to + QStringLiteral("-wal")));
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (!copied)
        throw platform::Failure(what + QLatin1Char('.'));
    if (logged) {
        Connection copy(to, kConnect);
        if (sqlite3_wal_checkpoint_v2(copy.handle(), "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) != SQLITE_OK)
            throw platform::Failure(what + QLatin1Char('.'));
    }
    QFile::remove(to + QStringLiteral("-wal"));
    QFile::remove(to + QStringLiteral("-shm"));
}

} // namespace

QString folderOf(const QString& database)
{
    return QFileInfo(database).absoluteDir().filePath(QStringLiteral("backups"));
}

QString make(Connection& database, bool prune)
{
    const QString folder = folderOf(database.path());
    const QString what = QStringLiteral("The recipes cannot be backed up in \"%1\"").arg(folder);
    if (!QDir().mkpath(folder))
        throw platform::Failure(what + QLatin1Char('.'));
    QString name = kPrefix + QDateTime::currentDateTime().toString(kStamp) + kSuffix;
    while (QFile::exists(QDir(folder).filePath(name)))
        name = kPrefix + QDateTime::currentDateTime().addMSecs(1).toString(kStamp) + kSuffix;
    const QString target = QDir(folder).filePath(name);
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    try {
        copyWhole(database, temp, what);
    } catch (...) {
        for (const char* extra : {"", "-wal", "-shm"})
            QFile::remove(temp + QLatin1String(extra));
        throw;
    }
    syncFile(temp);
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        throw platform::Failure(what + QLatin1Char('.'));
    }
    syncFile(folder);
    if (prune)
        pruneOld(folder);
    return target;
}

std::vector<Backup> list(const QString& database)
{
    const QString folder = folderOf(database);
    std::vector<Backup> found;
    for (const QString& name : copies(folder)) {
        Backup b{QDir(folder).filePath(name), takenOf(name)};
        try {
            Connection copy(b.path, kConnect);
            platform::db::Statement count(copy.handle(), QStringLiteral("SELECT count(*) FROM drinklst"));
            if (count.step())
                b.recipes = count.int64(0);
        } catch (const platform::db::Error&) {
        }
        found.push_back(b);
    }
    return found;
}

bool makeDaily(const QString& database)
{
    const QStringList taken = copies(folderOf(database));
    if (!taken.isEmpty() && takenOf(taken.front()).date() == QDate::currentDate())
        return false;
    Connection db(database, kConnect);
    make(db);
    return true;
}

void restore(const QString& database, const QString& backup)
{
    const QString what = QStringLiteral("The recipes cannot be restored from \"%1\"").arg(QFileInfo(backup).fileName());
    try {
        Connection from(backup, kConnect);
        Connection into(database, kConnect);
        make(into, false);
        copyPages(from.handle(), into.handle(), what);
    } catch (const platform::db::Error& e) {
        throw platform::Failure(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(e.what())));
    }
    pruneOld(folderOf(database));
}

} // namespace catalogue::transfer::backups
