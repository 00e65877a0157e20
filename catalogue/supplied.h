#pragma once
// The supplied database: its schema, the category queries and the content read from the
// readable source files under content/.
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <stdexcept>
#include <vector>

namespace catalogue {

inline const QString kDatabasePath = QStringLiteral("C:\\windows\\system\\Zestrel.mdb");
// The help file the set-up installs and the main window names as the application's help.
inline const QString kHelpPath = QStringLiteral("C:\\Windows\\System\\zestrel.hlp");
inline const QString kConnect = QStringLiteral("MS Access;pwd=plumtonic;");
constexpr int kTextLimit = 50;

struct Recipe {
    QString name, glass;
    std::array<QString, 10> qty, ing;
    QString directions;
};

// One category query and the rule kept for it in the file.
struct CategoryRule {
    QString query;
    QString kind; // ingredient, name, glass or alcohol
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

std::vector<Recipe> parseRecipes(const QString& text);           // throws ContentError naming the line
std::vector<CategoryRule> parseCategories(const QString& text);  // throws ContentError
// Records separated by "%%" lines; leading "key: value" lines for `keys`, the rest goes to `body`.
std::vector<Row> parseRecords(const QString& text, const QStringList& keys, const QString& body);

// Reads recipes.txt, categories.txt and collections/*.txt from a content folder.
Content loadContent(const QString& contentDir);

// The category names in the order of the Queries menu.
const QStringList& categoryQueries();
// The SQL condition of one category over drinklst's columns.
QString categoryCondition(const QString& query, const std::vector<CategoryRule>& rules);

// Writes a new database file at `path` (replacing nothing: the file must not exist).
void buildDatabase(const QString& path, const Content& content, const QString& connect = kConnect);

} // namespace catalogue
