#include "catalogue/upgrade.h"

#include "catalogue/layout.h"
#include "catalogue/membership.h"
#include "catalogue/mybar/index.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/database/guard.h"

namespace catalogue {

using platform::db::Error;

void prepareCatalogue(platform::db::Connection& db)
{
    const std::vector<CategoryRule>& rules = programRules();
    const LayoutCheck check = checkLayout(db, rules);
    if (check.matches() && mybar::spellingsCurrent(db)) // the check covers the index's objects
        return;
    if (!check.refused.isEmpty())
        throw Error(platform::db::UnusableLayout, db.path());
    try {
        const platform::db::Untimed untimed; // a large file takes a while to work out again
        db.exec(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            installLayout(db, rules);
            if (!mybar::spellingsCurrent(db))
                mybar::fillIndex(db);
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
    // Triggers or indexes of another program could do anything with a save.
    if (!check.writesAsOurs)
        db.exec(QStringLiteral("PRAGMA query_only = 1"));
}

} // namespace catalogue
