#include "connection.h"
#include "errors.h"
#include "guard.h"
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace platform::db {

namespace {
int g_busyTimeout = 5000;
const QString kEngine = QStringLiteral("MS Access");
constexpr qint64 kPageSize = 1024;
constexpr size_t kMostIdleTexts = 64; // past this many texts the idle statements are let go

// The handle is owned by `into` from the moment SQLite hands it out, even when opening failed.
// `name` is the path, or a file: URI when `flags` hold SQLITE_OPEN_URI.
template<class Handle>
void openHandle(Handle& into, const QString& path, int flags, const QByteArray& name)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    into.reset(db);
    if (rc != SQLITE_OK)
        fail(db, rc, path);
    guard(db);
}

// Opens a file that cannot be written here (read-only file, folder or disk) for reading only, as
// a file nobody changes: no lock, no write-ahead log and no shared-memory file is made beside it,
// so nothing is left behind that could stop the next start. A file that can be written loses a
// shared-memory file that it cannot write, which an earlier read-only opening may have left.
template<class Handle>
void openFile(Handle& into, const QFileInfo& info)
{
    const QString path = info.filePath();
    const QString shm = path + QStringLiteral("-shm");
    const bool writable = info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
    if (!writable) {
        const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded() + "?immutable=1";
        openHandle(into, path, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX, uri);
        return;
    }
    if (QFileInfo::exists(shm) && !QFileInfo(shm).isWritable())
        QFile::remove(shm);
    openHandle(into, path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, path.toUtf8());
}

void applyKey(sqlite3* db, const QString& password)
{
    const QByteArray key = password.toUtf8();
    if (!key.isEmpty())
        sqlite3_key(db, key.constData(), int(key.size()));
    sqlite3_busy_timeout(db, g_busyTimeout);
}
} // namespace

ConnectString ConnectString::parse(const QString& text)
{
    ConnectString result;
    const QStringList parts = text.split(QLatin1Char(';'));
    result.engine = parts.value(0).trimmed();
    for (const QString& part : parts.mid(1)) {
        const QString item = part.trimmed();
        if (item.startsWith(QStringLiteral("pwd="), Qt::CaseInsensitive))
            result.password = item.mid(4);
    }
    if (result.engine.compare(kEngine, Qt::CaseInsensitive) != 0)
        throw Error(UnknownEngine, result.engine);
    return result;
}

Connection::Connection(const QString& path, const QString& connect) : path_(path)
{
    const ConnectString cs = ConnectString::parse(connect);
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw Error(FileNotFound, path);
    if (!info.isReadable())
        throw Error(NoPermission, path);
    if (info.size() == 0)
        throw Error(NotADatabase, path);
    openFile(db_, info);
    applyKey(db_.get(), cs.password);
    // A wrong key is noticed only when the first page is read.
    char* message = nullptr;
    const int rc = [&] {
        const TimedStep timed;
        return sqlite3_exec(db_.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &message);
    }();
    sqlite3_free(message);
    // A whole number of encrypted pages that will not decrypt: the key is wrong. Anything else
    // that is not a database (odd size, truncated, plain text) is damaged or foreign; a file
    // that cannot be reached for another reason says which.
    if ((rc & 0xff) == SQLITE_NOTADB && info.size() % kPageSize == 0)
        throw Error(NotValidPassword);
    if (rc != SQLITE_OK)
        fail(db_.get(), rc, path);
    // Every save that returns is on disk, whatever happens to the process afterwards. Pages are
    // checked as they are read, as anyone holding the key can write one that lies about itself.
    exec(QStringLiteral("PRAGMA synchronous=FULL; PRAGMA cell_size_check=ON"));
}

Connection::~Connection() = default;

void Connection::exec(const QString& sql)
{
    char* message = nullptr;
    const TimedStep timed;
    const int rc = sqlite3_exec(db_.get(), sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        fail(db_.get(), rc, path_);
}

PreparedStatement Connection::prepare(const QString& sql)
{
    const auto idle = idle_.find(sql);
    if (idle != idle_.end() && !idle->second.empty()) {
        Statement* statement = idle->second.back().release();
        idle->second.pop_back();
        return PreparedStatement(statement, ReturnStatement{this});
    }
    return PreparedStatement(new Statement(db_.get(), sql), ReturnStatement{this});
}

void ReturnStatement::operator()(Statement* statement) const
{
    std::unique_ptr<Statement> owned(statement);
    owned->reset();
    auto& idle = owner->idle_;
    if (idle.size() >= kMostIdleTexts)
        idle.clear();
    const char* text = sqlite3_sql(owned->handle());
    idle[QString::fromUtf8(text)].push_back(std::move(owned));
}

void Connection::setBusyTimeout(int ms) { g_busyTimeout = ms; }

std::unique_ptr<Connection> createDatabase(const QString& path, const QString& connect)
{
    const ConnectString cs = ConnectString::parse(connect);
    int rc = SQLITE_OK;
    {
        std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(nullptr, &sqlite3_close);
        openHandle(db, path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, path.toUtf8());
        applyKey(db.get(), cs.password);
        char* message = nullptr;
        rc = sqlite3_exec(db.get(), "PRAGMA journal_mode=WAL; CREATE TABLE IF NOT EXISTS zinit(x); DROP TABLE zinit;",
                          nullptr, nullptr, &message);
        sqlite3_free(message);
    }
    if (rc != SQLITE_OK)
        fail(nullptr, rc, path);
    return std::make_unique<Connection>(path, connect);
}

} // namespace platform::db
