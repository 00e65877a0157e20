#pragma once
// Copies of the recipe database in a folder "backups" beside it, consistent while other
// connections read and write, written under a temporary name, synced and renamed when complete;
// the ten newest are kept. A restore goes through SQLite's online backup API, so that every
// connection open on the database sees the restored rows.
#include <QDateTime>
#include <QString>
#include <vector>

namespace platform::db {
class Connection;
}

namespace catalogue::transfer::backups {

constexpr int kKept = 10;

struct Backup {
    QString path;
    QDateTime taken;
    qint64 recipes = -1; // -1: the copy cannot be read
};

QString folderOf(const QString& database);

// Copies the database the connection has open; returns the new copy's path. `prune` false keeps
// every older copy for now. Throws platform::Failure.
QString make(platform::db::Connection& database, bool prune = true);

// The copies, newest first, each with its number of recipes.
std::vector<Backup> list(const QString& database);

// A copy when none was taken today (local time); true when one was made.
bool makeDaily(const QString& database);

// Puts the copy's contents in place of the database's, after a copy of the database as it
// was; other connections see the restored rows at their next read. Throws platform::Failure.
void restore(const QString& database, const QString& backup);

} // namespace catalogue::transfer::backups
