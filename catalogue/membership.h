#pragma once
// How the file keeps each recipe's categories: a membership table, kept by triggers on drinklst
// in the same transaction as every insert, update and delete whichever program writes; the
// sixteen stored queries read their rows through it; and a narrow index over drinklst's key, so
// that a list's keys are read without decrypting the recipes.
#include "catalogue/categoryrules.h"
#include <QString>
#include <optional>
#include <vector>

namespace platform::db { class Connection; }

namespace catalogue {

struct SchemaObject {
    QString type; // as sqlite_master names it: "table", "index", "view", "trigger"
    QString name;
    QString sql;  // the statement exactly as sqlite_master keeps it
};

// The object of that name as the file holds it, if any (the name's letter case ignored).
std::optional<SchemaObject> stored(platform::db::Connection& db, const QString& name);
// True when the file holds the object exactly as wanted.
bool same(const std::optional<SchemaObject>& found, const SchemaObject& wanted);
// Makes each object the file lacks or holds differently (dropping the other first); true when a
// table or trigger was made, so that what they hold must be worked out again.
bool makeObjects(platform::db::Connection& db, const std::vector<SchemaObject>& objects);

// The objects of the layout, in the order they are made.
std::vector<SchemaObject> membershipLayout(const std::vector<CategoryRule>& rules);

// True when every trigger on drinklst and the membership table is one of this program's (the
// layout's or the ingredient index's), as it writes it.
bool onlyOwnTriggers(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

// True when drinklst is a table and the file holds the layout exactly, with no trigger of another
// program beside it.
bool hasLayout(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

// Makes every object of the layout that the file lacks or holds differently, drops foreign
// triggers, and works the membership out again from the rules when it may be out of date.
// Runs inside the caller's transaction; throws platform::db::Error.
void installLayout(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

// For this connection only, the sixteen stored queries as temporary views in front of the file's
// own, each deciding membership row by row from the rules (slower, but needing no write).
// Throws platform::db::Error(UnusableLayout) when drinklst is not a table.
void shadowStoredQueries(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

} // namespace catalogue
