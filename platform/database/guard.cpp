#include "guard.h"

#include <QByteArray>
#include <chrono>
#include <set>

namespace platform::db {

namespace {

// The SQL functions statements and stored SQL may call: the core's harmless text, number,
// aggregate and date functions, and the functions this program registers. Anything else (the
// spatial index's inspection functions, tokenizer registration, extension loading, functions
// that make huge values) is refused. A feature whose SQL needs another function adds it here.
// clang-format off
const char* const kAllowedFunctions[] = {
    // text
    "lower", "upper", "trim", "ltrim", "rtrim", "replace", "substr", "instr", "length", "like", "glob", "printf",
    "char", "unicode", "hex", "quote", "typeof",
    // choice and null handling
    "coalesce", "ifnull", "nullif", "likely", "unlikely", "likelihood",
    // numbers and aggregates
    "abs", "round", "max", "min", "count", "sum", "total", "avg", "group_concat", "random",
    // the result of the last write
    "changes", "total_changes", "last_insert_rowid",
    // date and time
    "date", "time", "datetime", "julianday", "strftime", "current_date", "current_time", "current_timestamp",
    // this program's own (platform/database/rowset.cpp)
    "zestrel_find_match",
};

// The PRAGMAs this program and its tests use, and others that only report or tune the connection.
const char* const kAllowedPragmas[] = {
    "synchronous", "journal_mode", "query_only", "integrity_check", "quick_check", "cipher_version",
    "user_version", "table_info", "index_list", "index_info", "foreign_keys", "foreign_key_check",
    "wal_checkpoint", "page_size", "page_count", "freelist_count", "busy_timeout", "cache_size",
    "data_version", "database_list", "application_id", "encoding", "temp_store", "cell_size_check",
};
// clang-format on

struct NoCase {
    bool operator()(const QByteArray& a, const QByteArray& b) const
    {
        return qstricmp(a.constData(), b.constData()) < 0;
    }
};

using Names = std::set<QByteArray, NoCase>;

bool listed(const Names& names, const char* name) { return name && names.count(QByteArray(name)); }

const Names& pragmas()
{
    static const Names names(std::begin(kAllowedPragmas), std::end(kAllowedPragmas));
    return names;
}

// `a` and `b` are the action's two details: a PRAGMA's name and value, a function's nothing and name.
int authorize(void*, int action, const char* a, const char* b, const char*, const char*)
{
    switch (action) {
    case SQLITE_FUNCTION:
        return functionAllowed(b) ? SQLITE_OK : SQLITE_DENY;
    case SQLITE_PRAGMA:
        return listed(pragmas(), a) ? SQLITE_OK : SQLITE_DENY;
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_VTABLE:
        return SQLITE_DENY;
    default:
        return SQLITE_OK; // reading, writing, transactions, and creating or dropping tables, views and triggers
    }
}

using Clock = std::chrono::steady_clock;

struct Steps {
    Clock::time_point started;
    int depth = 0;
    int untimed = 0;
};
thread_local Steps t_steps;
int g_stepLimitMs = 15000;

// Called every so many virtual machine instructions; a non-zero answer stops the statement.
int overTime(void*)
{
    if (t_steps.depth == 0 || t_steps.untimed > 0)
        return 0;
    return Clock::now() - t_steps.started > std::chrono::milliseconds(g_stepLimitMs) ? 1 : 0;
}

constexpr int kInstructionsPerCheck = 1000;

} // namespace

bool functionAllowed(const char* name)
{
    static const Names names(std::begin(kAllowedFunctions), std::end(kAllowedFunctions));
    return listed(names, name);
}

void guard(sqlite3* db)
{
    sqlite3_set_authorizer(db, authorize, nullptr);
    sqlite3_progress_handler(db, kInstructionsPerCheck, overTime, nullptr);
}

void setStepLimit(int ms) { g_stepLimitMs = ms; }

TimedStep::TimedStep()
{
    if (t_steps.depth++ == 0)
        t_steps.started = Clock::now();
}

TimedStep::~TimedStep() { --t_steps.depth; }

Untimed::Untimed() { ++t_steps.untimed; }
Untimed::~Untimed() { --t_steps.untimed; }

} // namespace platform::db
