#pragma once
// What the windows and the command line do with recipe files: export a list of the catalogue,
// import a file after a backup.
#include "catalogue/transfer/importrules.h"
#include "catalogue/transfer/recipefile.h"

namespace platform::db {
class Connection;
}

namespace catalogue::transfer {

// Writes the recipes of a list (the recipe table "drinklst" or a category's stored query), in key
// order, to the file; returns how many. Throws platform::Failure, also for another list name.
qsizetype exportList(platform::db::Connection& db, const QString& list, const QString& path, Format format);

// Reads the file, backs the database up, then adds its recipes by the import rules in one
// transaction. A refused file or a failure changes nothing. Throws platform::Failure.
ImportSummary importFile(platform::db::Connection& db, const QString& path);

} // namespace catalogue::transfer
