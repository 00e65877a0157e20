#include "catalogue/transfer/transfers.h"

#include "catalogue/categories.h"
#include "catalogue/transfer/backups.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/identity.h"

namespace catalogue::transfer {

using platform::db::Connection;

std::vector<Recipe> recipesOf(Connection& db, const QString& list)
{
    bool known = list == QLatin1String("drinklst");
    for (const Category& c : categories())
        known = known || c.query == list;
    if (!known)
        throw platform::Failure(QStringLiteral("\"%1\" is not a list of recipes.").arg(list));
    const QStringList columns = recipeColumns();
    auto rows
        = db.prepare(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY zkey").arg(columns.join(QLatin1Char(',')), list));
    std::vector<Recipe> recipes;
    QStringList values;
    while (rows->step()) {
        values.clear();
        for (int c = 0; c < columns.size(); ++c)
            values << rows->text(c).value_or(QString());
        recipes.push_back(recipeFromValues(values));
    }
    return recipes;
}

qsizetype exportList(Connection& db, const QString& list, const QString& path, Format format)
{
    const std::vector<Recipe> recipes = recipesOf(db, list);
    writeRecipeFile(path, recipes, format);
    return qsizetype(recipes.size());
}

ImportSummary importFile(Connection& db, const QString& path)
{
    const std::vector<Incoming> recipes = readRecipeFile(path);
    backups::make(db);
    try {
        return addRecipes(db, recipes);
    } catch (const platform::db::Error& e) {
        throw platform::Failure(QStringLiteral("Nothing was imported: %1").arg(e.description()));
    }
}

} // namespace catalogue::transfer
