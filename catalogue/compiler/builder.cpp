#include "catalogue/compiler/builder.h"

#include "catalogue/layout.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

namespace catalogue {

using platform::db::Connection;
using platform::db::Statement;

namespace {

void insertRow(Connection& db, const QString& table, const Row& row)
{
    QStringList names, marks;
    for (const auto& [column, value] : row) {
        names << column;
        marks << QStringLiteral("?%1").arg(marks.size() + 1);
    }
    Statement st(db.handle(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    int i = 1;
    for (const auto& [column, value] : row)
        st.bind(i++, value.isEmpty() ? std::optional<QString>() : std::optional<QString>(value));
    st.step();
}

} // namespace

void buildDatabase(const QString& path, const Content& content, const QString& connect)
{
    auto db = platform::db::createDatabase(path, connect);
    db->exec(QStringLiteral("BEGIN"));
    for (const SchemaObject& table : recipeTables())
        db->exec(table.sql);
    const QStringList columns = recipeColumns();
    for (const Recipe& r : content.recipes) {
        const QStringList values = columnValues(r);
        Row row;
        for (int i = 0; i < columns.size(); ++i)
            row[columns[i]] = values[i];
        insertRow(*db, QStringLiteral("drinklst"), row);
    }
    for (const auto& [table, rows] : content.sideTables)
        for (const Row& row : rows)
            insertRow(*db, table, row);
    installLayout(*db, content.categories);
    db->exec(QStringLiteral("COMMIT"));
}

} // namespace catalogue
