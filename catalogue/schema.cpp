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

QString tablesSql()
{
    QStringList drink{QStringLiteral("zkey INTEGER PRIMARY KEY")};
    for (const QString& name : recipeColumns())
        drink << column(name, name != QLatin1String("Directions") && name != QLatin1String("Glass"));
    QStringList sql{QStringLiteral("CREATE TABLE drinklst (%1)").arg(drink.join(QStringLiteral(", ")))};
    sql << QStringLiteral("CREATE TABLE joke (zkey INTEGER PRIMARY KEY, ID INTEGER, joke TEXT)")
        << QStringLiteral("CREATE TABLE Toasting (zkey INTEGER PRIMARY KEY, %1, Toasts TEXT)").arg(column(QStringLiteral("Cat")));
    for (const char* t : {"cardgames", "dicegames", "coingames", "vocalgames", "boardgames"})
        sql << QStringLiteral("CREATE TABLE %1 (zkey INTEGER PRIMARY KEY, %2, instructions TEXT)")
                   .arg(QString::fromLatin1(t), column(QStringLiteral("name")));
    sql << QStringLiteral("CREATE TABLE mediagames (zkey INTEGER PRIMARY KEY, %1, instructions TEXT, type TEXT)")
               .arg(column(QStringLiteral("name")));
    return sql.join(QStringLiteral(";\n"));
}

} // namespace catalogue
