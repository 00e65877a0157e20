#include "sqlite.h"
#include "errors.h"
#include "guard.h"
#include <QStringList>

namespace platform::db {

[[noreturn]] void fail(sqlite3* db, int code, const QString& context)
{
    const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    const QString where = context.isEmpty() && file ? QString::fromUtf8(file) : context;
    // A function refused by the guard fails the statement with a plain error and this message.
    const int cause = message.startsWith(QLatin1String("not authorized")) ? SQLITE_AUTH : code;
    switch (cause & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        throw Error(NotADatabase, where);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw Error(RecordLocked);
    case SQLITE_CONSTRAINT: {
        // Length limits are named "len_<Column>_<limit>" in the schema.
        const int at = message.indexOf(QStringLiteral("len_"));
        if (at >= 0) {
            const QStringList parts = message.mid(at + 4).split(QLatin1Char('_'));
            throw Error(FieldTooSmall, QStringList{parts.value(0), parts.value(1)});
        }
        throw Error(SaveRefused, message);
    }
    case SQLITE_READONLY:
        throw Error(ReadOnlyFile, where);
    case SQLITE_CANTOPEN:
        throw Error(CannotOpenFile, where);
    case SQLITE_PERM:
        throw Error(NoPermission, where);
    case SQLITE_FULL:
        throw Error(DiskFull, where);
    case SQLITE_INTERRUPT:
        throw Error(TookTooLong, message);
    case SQLITE_AUTH:
        throw Error(NotAllowed, message);
    case SQLITE_IOERR:
        if (code == SQLITE_IOERR_SHORT_READ)
            throw Error(NotADatabase, where);
        throw Error(EngineFailure, message);
    default:
        throw Error(EngineFailure, message);
    }
}

Statement::Statement(sqlite3* db, const QString& sql) : db_(db)
{
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        fail(db, rc);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bind(int index, const std::optional<QString>& text)
{
    if (!text) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    const QByteArray bytes = text->toUtf8();
    sqlite3_bind_text(stmt_, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

void Statement::bind(int index, qint64 value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::bind(int index, const StoredValue& value) { sqlite3_bind_value(stmt_, index, value.get()); }

bool Statement::step()
{
    const TimedStep timed;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    fail(db_, rc);
}

qint64 Statement::int64(int column) const { return sqlite3_column_int64(stmt_, column); }

std::optional<QString> Statement::text(int column) const
{
    if (sqlite3_column_type(stmt_, column) == SQLITE_NULL)
        return std::nullopt;
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

StoredValue Statement::stored(int column) const
{
    StoredValue copy(sqlite3_value_dup(sqlite3_column_value(stmt_, column)));
    if (!copy)
        fail(nullptr, SQLITE_NOMEM);
    return copy;
}

const char* Statement::utf8(int column, int* bytes) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    *bytes = sqlite3_column_bytes(stmt_, column);
    return data;
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }
QString Statement::columnName(int column) const { return QString::fromUtf8(sqlite3_column_name(stmt_, column)); }
QString Statement::columnTable(int column) const
{
    const char* t = sqlite3_column_table_name(stmt_, column);
    return t ? QString::fromUtf8(t) : QString();
}

} // namespace platform::db
