#pragma once
// The recipe database as the application knows it: where it is, how it is opened, the limit on
// its text fields and the tables it holds.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace catalogue {

inline const QString kDatabasePath = QStringLiteral("C:\\windows\\system\\Zestrel.mdb");
// The help file the set-up installs and the main window names as the application's help.
inline const QString kHelpPath = QStringLiteral("C:\\Windows\\System\\zestrel.hlp");
inline const QString kConnect = QStringLiteral("MS Access;pwd=plumtonic;");
// The most characters a limited text field takes (a name, a quantity, an ingredient line).
constexpr int kTextLimit = 50;

// The recipe columns of drinklst in their order (without the key column zkey).
QStringList recipeColumns();

// One row of drinklst; an empty text stands for an empty (null) column.
struct Recipe {
    QString name, glass;
    std::array<QString, 10> qty, ing;
    QString directions;
    bool operator==(const Recipe&) const = default;
};

// The recipe's texts in the order of recipeColumns(), and back.
QStringList columnValues(const Recipe& r);
Recipe recipeFromValues(const QStringList& values);

// One object the program keeps in the file.
struct SchemaObject {
    QString type; // as sqlite_master names it: "table", "index", "view", "trigger"
    QString name;
    QString sql; // the statement exactly as sqlite_master keeps it
    bool keepsData = false; // a table of the user's rows: never dropped to be made again
};

// A table, view or trigger name quoted for SQL.
QString quotedName(const QString& name);

// The recipe table and the eight side tables (without the stored queries).
std::vector<SchemaObject> recipeTables();

} // namespace catalogue
