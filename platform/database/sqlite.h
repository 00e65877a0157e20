#pragma once
// A small RAII layer over the SQLCipher C API: one connection handle, prepared statements.
#include <sqlcipher/sqlite3.h>
#include <QString>
#include <optional>

namespace platform::db {

class Statement {
public:
    Statement(sqlite3* db, const QString& sql); // throws Error on a bad statement
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void reset();
    void bind(int index, const std::optional<QString>& text); // 1-based; nullopt binds NULL
    void bind(int index, qint64 value);
    bool step();               // true while a row is available; throws Error on failure
    qint64 int64(int column) const;
    std::optional<QString> text(int column) const;
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
