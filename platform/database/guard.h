#pragma once
// What a database file may make the engine do. The key is fixed, so anyone can write a file that
// this program opens: its stored queries and triggers run inside our statements. Every connection
// therefore carries a guard that allows only the statement kinds, PRAGMAs and SQL functions this
// program uses (the lists are in guard.cpp), and stops a step of a statement that runs too long.
#include <sqlcipher/sqlite3.h>

namespace platform::db {

// Sets the authorizer and the progress handler on a freshly opened handle.
void guard(sqlite3* db);

// True for a function that statements and stored SQL may call.
bool functionAllowed(const char* name);

// How long one step of a statement may run before it is stopped with TookTooLong (milliseconds).
void setStepLimit(int ms);

// Marks a step of the engine's own: the time limit counts from the outermost one.
class TimedStep {
public:
    TimedStep();
    ~TimedStep();
    TimedStep(const TimedStep&) = delete;
    TimedStep& operator=(const TimedStep&) = delete;
};

// While one lives, steps on this thread run without the time limit: a job known to be long and
// legitimate (bringing a large file to the current layout, copying a whole file).
class Untimed {
public:
    Untimed();
    ~Untimed();
    Untimed(const Untimed&) = delete;
    Untimed& operator=(const Untimed&) = delete;
};

} // namespace platform::db
