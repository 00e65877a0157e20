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

    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }
    void exec(const QString& sql);

    // How long a write waits for another connection's lock before it fails (milliseconds).
    // The find under way on this connection, read by the matching function that the row set
    // registers once per connection (registering again would expire every prepared statement).
    struct FindSlot {
        const void* call = nullptr;
        bool registered = false;
    };
    FindSlot& findSlot() { return findSlot_; }

    static void setBusyTimeout(int ms);
    static int busyTimeout();

private:
    sqlite3* db_ = nullptr;
    QString path_;
    FindSlot findSlot_;
};

// Creates a new, empty encrypted database file (used by the builder and by tests).
std::unique_ptr<Connection> createDatabase(const QString& path, const QString& connect);

} // namespace platform::db
