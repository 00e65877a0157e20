#include "catalogue/transfer/transfers.h"

#include "catalogue/categories.h"
#include "catalogue/transfer/backups.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/identity.h"

namespace catalogue::transfer {

using platform::db::Connection;

qsizetype exportList(Connection& db, const QString& list, const QString& path, Format format)
{
    bool known = list == QLatin1String("drinklst");
    for (const Category& c : categories())
        known = known || c.query == list;
    if (!known)
        throw platform::Failure(QStringLiteral("\"%1\" is not a list of recipes.").arg(list));
    auto rows = db.prepare(
        QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY zkey").arg(recipeColumns().join(QLatin1Char(',')), list));
    qsizetype count = 0;
    writeRecipeFile(
        path,
        [&](Utf8Row& row) {
            if (!rows->step())
                return false;
            for (size_t c = 0; c < row.size(); ++c) {
                int bytes = 0;
                const char* text = rows->utf8(int(c), &bytes);
                row[c] = QByteArrayView(text, text ? bytes : 0);
            }
            ++count;
            return true;
        },
        format);
    return count;
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
