#pragma once
// The readable source of the supplied database: the recipes, the category rules and the side
// collections under content/, parsed into data the builder writes into a new file.
#include "catalogue/categoryrules.h"
#include "catalogue/schema.h"
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <vector>

namespace catalogue {

// A row of a side table: column name -> text.
using Row = std::map<QString, QString>;

struct Content {
    std::vector<Recipe> recipes;
    std::vector<CategoryRule> categories;
    std::map<QString, std::vector<Row>> sideTables; // table name -> rows
};

std::vector<Recipe> parseRecipes(const QString& text);          // throws ContentError naming the line
// Records separated by "%%" lines; leading "key: value" lines for `keys`, the rest goes to `body`.
std::vector<Row> parseRecords(const QString& text, const QStringList& keys, const QString& body);

// Reads recipes.txt, categories.txt and collections/*.txt from a content folder.
Content loadContent(const QString& contentDir);

} // namespace catalogue
