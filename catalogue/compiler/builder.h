#pragma once
// Writes the supplied database: the tables, the sixteen stored category queries and the content.
#include "catalogue/compiler/content.h"
#include "catalogue/schema.h"

namespace catalogue {

// The SQL condition of one category over drinklst's columns.
QString categoryCondition(const QString& query, const std::vector<CategoryRule>& rules);

// Writes a new database file at `path` (replacing nothing: the file must not exist).
void buildDatabase(const QString& path, const Content& content, const QString& connect = kConnect);

} // namespace catalogue
