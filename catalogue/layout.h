#pragma once
// The objects this program keeps in the recipe file, and the file checked against them as it
// opens. Anyone can write a file with the fixed key, and its stored SQL runs inside our statements:
// a trigger or an index the program does not make is dropped, a view, trigger or index that
// differs from the program's is made again, and a table of rows held differently is refused.
// Tables and views of another program stay as they are: nothing of ours reads them.
#include "catalogue/categoryrules.h"
#include "catalogue/schema.h"
#include <QStringList>
#include <vector>

namespace platform::db {
class Connection;
}

namespace catalogue {

// Every object the program makes in the file, in the order it makes them. A feature that keeps
// tables, indexes, views or triggers of its own adds its list to kLayoutParts in layout.cpp.
std::vector<SchemaObject> expectedObjects(const std::vector<CategoryRule>& rules);

struct LayoutCheck {
    std::vector<SchemaObject> toMake; // expected objects the file lacks or holds differently
    std::vector<SchemaObject> foreign; // triggers and indexes that are not the program's
    QStringList refused; // tables of rows held differently, which cannot be made again
    // False when a write would run a trigger or index expression that is not the program's.
    bool writesAsOurs = true;

    bool matches() const { return toMake.empty() && foreign.empty(); }
};

// Reads the file's schema; throws platform::db::Error.
LayoutCheck checkLayout(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

// The type the file gives an object of that name ("table", "view", ...); empty when none.
QString storedType(platform::db::Connection& db, const QString& name);

// True when the file holds each of the objects exactly as given.
bool holds(platform::db::Connection& db, const std::vector<SchemaObject>& objects);

// True when the file holds the program's objects exactly and no trigger or index beside them.
bool hasLayout(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

// Drops foreign triggers and indexes, makes every object the file lacks or holds differently,
// and works out again what a part's tables hold (the category membership, the ingredient index)
// when one of its tables or triggers was made. Runs inside the
// caller's transaction; throws platform::db::Error (UnusableLayout for a refused table).
void installLayout(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

} // namespace catalogue
