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
    {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(QFile::encodeName(temp).constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        std::unique_ptr<sqlite3, decltype(&sqlite3_close)> copy(raw, &sqlite3_close);
        const QByteArray key = platform::db::ConnectString::parse(kConnect).password.toUtf8();
        try {
            if (!copy)
                throw platform::Failure(what + QLatin1Char('.'));
            sqlite3_key(copy.get(), key.constData(), int(key.size()));
            // The copy is synced once, whole, before it takes its name.
            sqlite3_exec(copy.get(), "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
            copyPages(database.handle(), copy.get(), what);
        } catch (...) {
            copy.reset();
            QFile::remove(temp);
            throw;
        }
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
