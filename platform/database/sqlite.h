#pragma once
// A small RAII layer over the SQLCipher C API: one connection handle, prepared statements.
#include <QString>
#include <memory>
#include <optional>
#include <sqlcipher/sqlite3.h>

namespace platform::db {

// A value as the engine holds it, with its type and bytes, copied out of a row.
struct FreeValue {
    void operator()(sqlite3_value* value) const { sqlite3_value_free(value); }
};
using StoredValue = std::unique_ptr<sqlite3_value, FreeValue>;

class Statement {
public:
    Statement(sqlite3* db, const QString& sql); // throws Error on a bad statement
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void reset();
    void bind(int index, const std::optional<QString>& text); // 1-based; nullopt binds NULL
    void bind(int index, qint64 value);
    void bind(int index, const StoredValue& value); // the same type and bytes
    bool step();               // true while a row is available; throws Error on failure
    qint64 int64(int column) const;
    std::optional<QString> text(int column) const;
    StoredValue stored(int column) const;
    const char* utf8(int column, int* bytes) const; // raw UTF-8, valid until the next step
    int columnCount() const;
    QString columnName(int column) const;
    QString columnTable(int column) const;
    sqlite3_stmt* handle() const { return stmt_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Turns an SQLite result code into the engine's numbered error.
[[noreturn]] void fail(sqlite3* db, int code, const QString& context = QString());

} // namespace platform::db
