#pragma once
// Writes the supplied database: the tables, the content, and the category layout with the
// sixteen stored queries.
#include "catalogue/compiler/content.h"
#include "catalogue/schema.h"

namespace catalogue {

// Writes a new database file at `path` (replacing nothing: the file must not exist).
void buildDatabase(const QString& path, const Content& content, const QString& connect = kConnect);

} // namespace catalogue
