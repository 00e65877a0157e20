#pragma once
// The readable source of the supplied database: the recipes, the category rules and the side
// collections under content/, parsed into data the builder writes into a new file.
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <stdexcept>
#include <vector>

namespace catalogue {

struct Recipe {
    QString name, glass;
    std::array<QString, 10> qty, ing;
    QString directions;
};

// One rule of a category: the kind says what the words are matched against.
//   ingredient  a recipe belongs when an ingredient line holds one of the words as whole words
//   except      phrases taken out of the ingredient lines before that category's words are looked
//               for ("ginger beer" is no beer)
//   name        ... when the drink's name holds one of the words
//   glass       ... when its glass is one of the listed glasses
//   alcohol     (NonAlcoholic) no ingredient line names a word of any spirit, liqueur, beer or wine
//               category, nor one of these words
struct CategoryRule {
    QString query;
    QString kind;
    QStringList words;
};

// A row of a side table: column name -> text.
using Row = std::map<QString, QString>;

struct Content {
    std::vector<Recipe> recipes;
    std::vector<CategoryRule> categories;
    std::map<QString, std::vector<Row>> sideTables; // table name -> rows
};

struct ContentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<Recipe> parseRecipes(const QString& text);          // throws ContentError naming the line
std::vector<CategoryRule> parseCategories(const QString& text); // throws ContentError
// Records separated by "%%" lines; leading "key: value" lines for `keys`, the rest goes to `body`.
std::vector<Row> parseRecords(const QString& text, const QStringList& keys, const QString& body);

// Reads recipes.txt, categories.txt and collections/*.txt from a content folder.
Content loadContent(const QString& contentDir);

} // namespace catalogue
