#pragma once
// A connection opened on a thread of its own while the user is still busy elsewhere (reading the
// splash), so that deriving the key and checking the file's layout are done by the time a window
// asks for the file. The first opening of the same file, with the same connect string and open
// step, takes it, provided the file is still the one that was opened and nobody has written to it
// since; otherwise that opening opens the file itself, as it always does, and reports what it
// finds. A failure here is never reported: the opening that follows meets it again.
#include "connection.h"
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace platform::db {

// Run on a connection once it is open, before anything reads through it; throws Error.
using OpenStep = void (*)(Connection&);

class OpenAhead {
public:
    // Runs `first` (work the opening must follow, such as installing the file), then opens `path`
    // and runs `step` on it. At most one lives at a time.
    OpenAhead(QString path, QString connect, OpenStep step, std::function<void()> first = {});
    // Stops what the thread still does on the file (a long upgrade is rolled back) and waits for
    // it; a connection nobody took is closed.
    ~OpenAhead();
    OpenAhead(const OpenAhead&) = delete;
    OpenAhead& operator=(const OpenAhead&) = delete;

    // Waits until the living one's work is done (so that its `first` has run), then hands over
    // its connection if it fits; null when none fits or none lives.
    static std::shared_ptr<Connection> take(const QString& path, const QString& connect, OpenStep step);

private:
    // The file's identity on disk: another file renamed over the path has another one.
    struct FileId {
        unsigned long long device = 0, inode = 0;
        bool operator==(const FileId&) const = default;
    };
    static std::optional<FileId> identify(const QString& path);
    void open();
    std::shared_ptr<Connection> handOver(const QString& path, const QString& connect, OpenStep step);
    void setWorking(sqlite3* db);

    const QString path_, connect_;
    const OpenStep step_;
    std::shared_ptr<Connection> opened_;
    FileId file_;
    long long dataVersion_ = 0;
    std::mutex workingLock_;
    sqlite3* working_ = nullptr; // the handle the thread is working on, under workingLock_
    std::atomic<bool> done_{false};
    std::thread thread_;
};

} // namespace platform::db
