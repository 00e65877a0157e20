#pragma once
// The ingredient index My Bar reads, kept in the recipe file: each recipe's ingredient lines read
// as canonical ingredients (mybar_uses), maintained by triggers on drinklst in the same
// transaction as every insert, update and delete whichever program writes; the spellings it is
// read with (mybar_terms, mybar_marks, from the compiled vocabulary); the shelf (mybar_shelf).
// Every object the index adds to a file is named mybar_... and listed in indexLayout(); a rebuild
// also uses the temporary tables mybar_lines, mybar_texts and mybar_readings while it runs.
#include "catalogue/schema.h"

#include <QString>
#include <vector>

namespace platform::db {
class Connection;
}

namespace catalogue::mybar {

// Every object of the index, in the order they are made: name, type and statement. The file's
// layout (catalogue/layout) makes them with the program's other objects and fills the index
// whenever one of its tables or triggers had to be made.
std::vector<SchemaObject> indexLayout();

// True when the file holds the layout exactly and its spellings are this program's, so that the
// index can be trusted without reading it again.
bool indexCurrent(platform::db::Connection& db);

// True when the index was read with this program's spellings (whatever its objects).
bool spellingsCurrent(platform::db::Connection& db);

// Reads every recipe's lines again with this program's spellings, and records them. Runs inside
// the caller's transaction; throws platform::db::Error.
void fillIndex(platform::db::Connection& db);

// For a file that cannot be written: the index built for this connection only, in temporary
// tables in front of the file's own (the shelf then reads as empty).
void shadowIndex(platform::db::Connection& db);

// What one ingredient line reads as: its canonical ingredient (empty for a line with nothing in
// it) and whether it is a garnish.
struct Reading {
    QString ingredient;
    bool garnish = false;
};
Reading canonical(platform::db::Connection& db, const QString& line);

} // namespace catalogue::mybar
