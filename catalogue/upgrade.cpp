#include "catalogue/upgrade.h"

#include "catalogue/membership.h"
#include "catalogue/mybar/index.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

namespace catalogue {

using platform::db::Error;

void prepareCatalogue(platform::db::Connection& db)
{
    const std::vector<CategoryRule>& rules = programRules();
    if (hasLayout(db, rules) && mybar::indexCurrent(db))
        return;
    try {
        db.exec(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            installLayout(db, rules);
            mybar::installIndex(db);
            db.exec(QStringLiteral("COMMIT"));
            return;
        } catch (...) {
            sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } catch (const Error&) {
        // Read-only, locked, or made by another program: read it as it is.
    }
    try {
        shadowStoredQueries(db, rules);
        if (!mybar::indexCurrent(db))
            mybar::shadowIndex(db);
    } catch (const Error&) {
        throw Error(platform::db::UnusableLayout, db.path());
    }
    // Triggers of another program could do anything with a save.
    if (!onlyOwnTriggers(db, rules))
        db.exec(QStringLiteral("PRAGMA query_only = 1"));
}

} // namespace catalogue
