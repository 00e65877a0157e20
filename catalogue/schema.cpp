#include "catalogue/schema.h"

#include <QStringList>

namespace catalogue {

namespace {

// A text column; a limited one refuses values over the limit with a constraint that names the
// column and the limit, which the engine turns into its "field is too small" failure.
QString column(const QString& name, bool limited = true)
{
    if (!limited)
        return QStringLiteral("%1 TEXT").arg(name);
    return QStringLiteral("%1 TEXT CONSTRAINT len_%1_%2 CHECK (length(%1) <= %2)").arg(name).arg(kTextLimit);
}

} // namespace

QStringList recipeColumns()
{
    QStringList names{QStringLiteral("DrinkName")};
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("Qty%1").arg(i) << QStringLiteral("Ing%1").arg(i);
    return names << QStringLiteral("Directions") << QStringLiteral("Glass");
}

QStringList columnValues(const Recipe& r)
{
    QStringList values{r.name};
    for (size_t i = 0; i < 10; ++i)
        values << r.qty[i] << r.ing[i];
    return values << r.directions << r.glass;
}

Recipe recipeFromValues(const QStringList& values)
{
    Recipe r;
    r.name = values.value(0);
    for (int i = 0; i < 10; ++i) {
        r.qty[size_t(i)] = values.value(1 + 2 * i);
        r.ing[size_t(i)] = values.value(2 + 2 * i);
    }
    r.directions = values.value(21);
    r.glass = values.value(22);
    return r;
}

QString quotedName(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

std::vector<SchemaObject> recipeTables()
{
    const auto table = [](const QString& name, const QString& columns) {
        return SchemaObject{QStringLiteral("table"), name, QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns),
                            true};
    };
    QStringList drink{QStringLiteral("zkey INTEGER PRIMARY KEY")};
    for (const QString& name : recipeColumns())
        drink << column(name, name != QLatin1String("Directions") && name != QLatin1String("Glass"));
    std::vector<SchemaObject> tables{
        table(QStringLiteral("drinklst"), drink.join(QStringLiteral(", "))),
        table(QStringLiteral("joke"), QStringLiteral("zkey INTEGER PRIMARY KEY, ID INTEGER, joke TEXT")),
        table(QStringLiteral("Toasting"),
              QStringLiteral("zkey INTEGER PRIMARY KEY, %1, Toasts TEXT").arg(column(QStringLiteral("Cat"))))};
    for (const char* t : {"cardgames", "dicegames", "coingames", "vocalgames", "boardgames"})
        tables.push_back(table(
            QString::fromLatin1(t),
            QStringLiteral("zkey INTEGER PRIMARY KEY, %1, instructions TEXT").arg(column(QStringLiteral("name")))));
    tables.push_back(
        table(QStringLiteral("mediagames"), QStringLiteral("zkey INTEGER PRIMARY KEY, %1, instructions TEXT, type TEXT")
                                                .arg(column(QStringLiteral("name")))));
    return tables;
}

} // namespace catalogue
