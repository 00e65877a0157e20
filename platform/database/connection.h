#pragma once
// One open, keyed connection to a database file, named by its fixed path and connect string.
#include "sqlite.h"
#include <QString>
#include <memory>
#include <map>
#include <vector>

namespace platform::db {

class Connection;

// A prepared statement lent by its connection: it goes back, reset, when dropped, so that the
// next user of the same text skips preparing it (opening a row set over a stored query prepares
// five statements, which costs more than reading a small category's rows).
struct ReturnStatement {
    Connection* owner;
    void operator()(Statement* statement) const;
};
using PreparedStatement = std::unique_ptr<Statement, ReturnStatement>;

struct ConnectString {
    QString engine;   // "MS Access"
    QString password; // after "pwd="
    static ConnectString parse(const QString& text); // throws UnknownEngine
};

class Connection {
public:
    // Opens the file read-write and shared; `path` is a real file path. Throws Error.
    Connection(const QString& path, const QString& connect);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_.get(); }
    const QString& path() const { return path_; }
    void exec(const QString& sql);
    PreparedStatement prepare(const QString& sql); // throws Error on a bad statement

    // The find under way on this connection, read by the matching function that the row set
    // registers once per connection (registering again would expire every prepared statement).
    struct FindSlot {
        const void* call = nullptr;
        bool registered = false;
    };
    FindSlot& findSlot() { return findSlot_; }

    // How long a write waits for another connection's lock before it fails (milliseconds).
    static void setBusyTimeout(int ms);

private:
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    friend struct ReturnStatement;
    std::unique_ptr<sqlite3, Close> db_;
    QString path_;
    FindSlot findSlot_;
    // Statements not lent out, by their text; finalized before the handle closes.
    std::map<QString, std::vector<std::unique_ptr<Statement>>> idle_;
};

// Creates a new, empty encrypted database file (used by the builder and by tests).
std::unique_ptr<Connection> createDatabase(const QString& path, const QString& connect);

} // namespace platform::db
