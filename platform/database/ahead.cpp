#include "ahead.h"
#include <QFile>
#include <sys/stat.h>

namespace platform::db {

namespace {

OpenAhead* g_living = nullptr; // set and cleared on the thread that makes and ends it

// Changes with every write that another connection commits to the file.
long long dataVersion(Connection& db)
{
    Statement version(db.handle(), QStringLiteral("PRAGMA data_version"));
    return version.step() ? version.int64(0) : -1;
}

} // namespace

std::optional<OpenAhead::FileId> OpenAhead::identify(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

OpenAhead::OpenAhead(QString path, QString connect, OpenStep step, std::function<void()> first)
    : path_(std::move(path)), connect_(std::move(connect)), step_(step)
{
    g_living = this;
    thread_ = std::thread([this, first = std::move(first)] {
        try {
            if (first)
                first();
            open();
        } catch (...) {
            // The opening that asks for the file next meets the same failure and reports it.
        }
        done_ = true;
    });
}

void OpenAhead::open()
{
    const std::optional<FileId> before = identify(path_);
    if (!before)
        return;
    auto db = std::make_shared<Connection>(path_, connect_);
    // Declared after the connection, so that it is let go of before the connection closes.
    struct Working {
        OpenAhead& ahead;
        Working(OpenAhead& a, sqlite3* handle) : ahead(a) { ahead.setWorking(handle); }
        ~Working() { ahead.setWorking(nullptr); }
    } working(*this, db->handle());
    if (step_)
        step_(*db);
    dataVersion_ = dataVersion(*db);
    file_ = *before;
    opened_ = std::move(db);
}

OpenAhead::~OpenAhead()
{
    // Every statement the step starts is stopped until it gives up.
    while (!done_) {
        {
            const std::lock_guard lock(workingLock_);
            if (working_)
                sqlite3_interrupt(working_);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (thread_.joinable())
        thread_.join();
    g_living = nullptr;
}

void OpenAhead::setWorking(sqlite3* db)
{
    const std::lock_guard lock(workingLock_);
    working_ = db;
}

std::shared_ptr<Connection> OpenAhead::take(const QString& path, const QString& connect, OpenStep step)
{
    return g_living ? g_living->handOver(path, connect, step) : nullptr;
}

std::shared_ptr<Connection> OpenAhead::handOver(const QString& path, const QString& connect, OpenStep step)
{
    if (thread_.joinable())
        thread_.join();
    std::shared_ptr<Connection> db = std::move(opened_);
    if (!db || path != path_ || connect != connect_ || step != step_)
        return nullptr;
    try {
        if (identify(path) != file_ || dataVersion(*db) != dataVersion_)
            return nullptr;
    } catch (...) {
        return nullptr;
    }
    return db;
}

} // namespace platform::db
