#pragma once
// One open, keyed connection to a database file, named by its fixed path and connect string.
#include "sqlite.h"
#include <QString>
#include <memory>

namespace platform::db {

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
    std::unique_ptr<sqlite3, Close> db_;
    QString path_;
    FindSlot findSlot_;
};

// Creates a new, empty encrypted database file (used by the builder and by tests).
std::unique_ptr<Connection> createDatabase(const QString& path, const QString& connect);

} // namespace platform::db
