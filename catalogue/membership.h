#pragma once
// How the file keeps each recipe's categories: a membership table, kept by triggers on drinklst
// in the same transaction as every insert, update and delete whichever program writes; the
// sixteen stored queries read their rows through it; and a narrow index over drinklst's key, so
// that a list's keys are read without decrypting the recipes.
#include "catalogue/categoryrules.h"
#include "catalogue/schema.h"
#include <QString>
#include <vector>

namespace platform::db { class Connection; }

namespace catalogue {

// The objects of the layout, in the order they are made.
std::vector<SchemaObject> membershipLayout(const std::vector<CategoryRule>& rules);

// Works every recipe's membership out again from the rules. Runs inside the caller's
// transaction; throws platform::db::Error.
void recountMembers(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

// For this connection only, the sixteen stored queries as temporary views in front of the file's
// own, each deciding membership row by row from the rules (slower, but needing no write).
// Throws platform::db::Error(UnusableLayout) when drinklst is not a table.
void shadowStoredQueries(platform::db::Connection& db, const std::vector<CategoryRule>& rules);

} // namespace catalogue
