#include "catalogue/membership.h"

#include "catalogue/categories.h"
#include "catalogue/layout.h"
#include "catalogue/schema.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

namespace catalogue {

using platform::db::Connection;
using platform::db::Statement;

namespace {

const QString kMembers = QStringLiteral("zcategory_members");
const QString kWords = QStringLiteral("zcategory_words");

// The rows of `from` (zkey and the rule inputs i, n, g) added to the membership table of each
// category they belong to: one statement, each row's inputs read once for all categories.
QString memberInserts(const std::vector<CategoryRule>& rules, const QString& from)
{
    const RuleInputs words{QStringLiteral("r.i"), QStringLiteral("r.n"), QStringLiteral("r.g")};
    QStringList names, tests;
    for (const Category& c : categories()) {
        names << QStringLiteral("SELECT '%1' AS query").arg(c.query);
        tests << QStringLiteral("WHEN '%1' THEN %2").arg(c.query, categoryCondition(c.query, rules, words));
    }
    return QStringLiteral("INSERT INTO %1 (category, zkey) SELECT c.query, r.zkey FROM %2 AS r, (%3) AS c WHERE CASE c.query %4 END")
        .arg(kMembers, from, names.join(QStringLiteral(" UNION ALL ")), tests.join(QLatin1Char(' ')));
}

// The rule inputs of drinklst's rows (or of the NEW row in a trigger), each worked out once.
QString inputsSelect(const QString& prefix)
{
    const RuleInputs in = RuleInputs::ofColumns(prefix);
    return QStringLiteral("SELECT %1zkey AS zkey, %2 AS i, %3 AS n, %4 AS g").arg(prefix, in.ingredients, in.name, in.glass);
}

QString storedQuery(const Category& c)
{
    QStringList columns{QStringLiteral("m.zkey AS zkey")};
    for (const QString& name : recipeColumns())
        columns << QStringLiteral("d.%1 AS %1").arg(name);
    return QStringLiteral("CREATE VIEW %1 AS SELECT %2 FROM %3 AS m LEFT JOIN drinklst AS d ON d.zkey = m.zkey WHERE m.category = '%4'")
        .arg(quotedName(c.query), columns.join(QStringLiteral(", ")), kMembers, c.query);
}

void requireRecipeTable(Connection& db)
{
    if (storedType(db, QStringLiteral("drinklst")) != QLatin1String("table"))
        throw platform::db::Error(platform::db::UnusableLayout, db.path());
}

} // namespace

std::vector<SchemaObject> membershipLayout(const std::vector<CategoryRule>& rules)
{
    std::vector<SchemaObject> layout = {
        {QStringLiteral("index"), QStringLiteral("drinklst_zkey"), QStringLiteral("CREATE INDEX drinklst_zkey ON drinklst (zkey)")},
        {QStringLiteral("table"), kMembers,
         QStringLiteral("CREATE TABLE %1 (category TEXT NOT NULL, zkey INTEGER NOT NULL, PRIMARY KEY (category, zkey)) WITHOUT ROWID").arg(kMembers)},
        {QStringLiteral("index"), kMembers + QStringLiteral("_zkey"), QStringLiteral("CREATE INDEX %1_zkey ON %1 (zkey)").arg(kMembers)},
    };
    for (const Category& c : categories())
        layout.push_back({QStringLiteral("view"), c.query, storedQuery(c)});
    // A row's old memberships go first, also those of a row that an INSERT OR REPLACE replaced.
    // With LIMIT the row's inputs stay a subquery worked out once, not copied into every test.
    const QString classify = memberInserts(rules, QStringLiteral("(%1 LIMIT 1)").arg(inputsSelect(QStringLiteral("NEW."))));
    QStringList watched{QStringLiteral("zkey")};
    for (const QString& name : recipeColumns())
        if (name.startsWith(QLatin1String("Ing")) || name == QLatin1String("DrinkName") || name == QLatin1String("Glass"))
            watched << name;
    layout.push_back({QStringLiteral("trigger"), QStringLiteral("zcategory_insert"),
                      QStringLiteral("CREATE TRIGGER zcategory_insert AFTER INSERT ON drinklst BEGIN "
                                     "DELETE FROM %1 WHERE zkey = NEW.zkey; %2; END").arg(kMembers, classify)});
    layout.push_back({QStringLiteral("trigger"), QStringLiteral("zcategory_update"),
                      QStringLiteral("CREATE TRIGGER zcategory_update AFTER UPDATE OF %1 ON drinklst BEGIN "
                                     "DELETE FROM %2 WHERE zkey IN (OLD.zkey, NEW.zkey); %3; END")
                          .arg(watched.join(QStringLiteral(", ")), kMembers, classify)});
    layout.push_back({QStringLiteral("trigger"), QStringLiteral("zcategory_delete"),
                      QStringLiteral("CREATE TRIGGER zcategory_delete AFTER DELETE ON drinklst BEGIN "
                                     "DELETE FROM %1 WHERE zkey = OLD.zkey; END").arg(kMembers)});
    return layout;
}

void recountMembers(Connection& db, const std::vector<CategoryRule>& rules)
{
    db.exec(QStringLiteral("DELETE FROM %1; DROP TABLE IF EXISTS temp.%2; CREATE TEMP TABLE %2 AS %3 FROM main.drinklst")
                .arg(kMembers, kWords, inputsSelect(QString())));
    db.exec(memberInserts(rules, QStringLiteral("temp.") + kWords));
    db.exec(QStringLiteral("DROP TABLE temp.%1").arg(kWords));
}

void shadowStoredQueries(Connection& db, const std::vector<CategoryRule>& rules)
{
    requireRecipeTable(db);
    for (const Category& c : categories())
        db.exec(QStringLiteral("DROP VIEW IF EXISTS temp.%1; CREATE TEMP VIEW %1 AS SELECT * FROM main.drinklst WHERE %2")
                    .arg(quotedName(c.query), categoryCondition(c.query, rules, RuleInputs::ofColumns())));
}

} // namespace catalogue
