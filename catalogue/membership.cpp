#include "catalogue/membership.h"

#include "catalogue/categories.h"
#include "catalogue/mybar/index.h"
#include "catalogue/schema.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

#include <optional>

namespace catalogue {

using platform::db::Connection;
using platform::db::Statement;

namespace {

const QString kMembers = QStringLiteral("zcategory_members");
const QString kWords = QStringLiteral("zcategory_words");

QString quoted(const QString& name) { return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"'); }

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
        .arg(quoted(c.query), columns.join(QStringLiteral(", ")), kMembers, c.query);
}

void requireRecipeTable(Connection& db)
{
    const auto found = stored(db, QStringLiteral("drinklst"));
    if (!found || found->type != QLatin1String("table"))
        throw platform::db::Error(platform::db::UnusableLayout, db.path());
}

// Every object this program keeps in the file: the membership layout and the ingredient index.
std::vector<SchemaObject> ownObjects(const std::vector<CategoryRule>& rules)
{
    std::vector<SchemaObject> all = membershipLayout(rules);
    for (SchemaObject& o : mybar::indexLayout())
        all.push_back(std::move(o));
    return all;
}

// Triggers on drinklst or the membership table that are not this program's.
QStringList foreignTriggers(Connection& db, const std::vector<CategoryRule>& rules)
{
    QStringList ours;
    for (const SchemaObject& o : ownObjects(rules))
        if (o.type == QLatin1String("trigger"))
            ours << o.name;
    Statement triggers(db.handle(), QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' "
                                                   "AND tbl_name IN ('drinklst', '%1') COLLATE NOCASE").arg(kMembers));
    QStringList foreign;
    while (triggers.step())
        if (const QString name = triggers.text(0).value_or(QString()); !ours.contains(name))
            foreign << name;
    return foreign;
}

} // namespace

std::optional<SchemaObject> stored(Connection& db, const QString& name)
{
    Statement find(db.handle(), QStringLiteral("SELECT type, sql FROM sqlite_master WHERE name = ?1 COLLATE NOCASE"));
    find.bind(1, std::optional<QString>(name));
    if (!find.step())
        return std::nullopt;
    return SchemaObject{find.text(0).value_or(QString()), name, find.text(1).value_or(QString())};
}

bool same(const std::optional<SchemaObject>& found, const SchemaObject& wanted)
{
    return found && found->type == wanted.type && found->sql == wanted.sql;
}

bool makeObjects(Connection& db, const std::vector<SchemaObject>& objects)
{
    bool remade = false;
    for (const SchemaObject& o : objects) {
        const auto found = stored(db, o.name);
        if (same(found, o))
            continue;
        if (found)
            db.exec(QStringLiteral("DROP %1 %2").arg(found->type.toUpper(), quoted(o.name)));
        db.exec(o.sql);
        remade = remade || o.type == QLatin1String("table") || o.type == QLatin1String("trigger");
    }
    return remade;
}

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

bool onlyOwnTriggers(Connection& db, const std::vector<CategoryRule>& rules)
{
    if (!foreignTriggers(db, rules).isEmpty())
        return false;
    for (const SchemaObject& o : ownObjects(rules))
        if (o.type == QLatin1String("trigger"))
            if (const auto found = stored(db, o.name); found && !same(found, o))
                return false;
    return true;
}

bool hasLayout(Connection& db, const std::vector<CategoryRule>& rules)
{
    const auto table = stored(db, QStringLiteral("drinklst"));
    const std::vector<SchemaObject> layout = membershipLayout(rules);
    if (!table || table->type != QLatin1String("table") || !foreignTriggers(db, rules).isEmpty())
        return false;
    for (const SchemaObject& o : layout)
        if (!same(stored(db, o.name), o))
            return false;
    return true;
}

void installLayout(Connection& db, const std::vector<CategoryRule>& rules)
{
    requireRecipeTable(db);
    for (const QString& name : foreignTriggers(db, rules))
        db.exec(QStringLiteral("DROP TRIGGER %1").arg(quoted(name)));
    // A new membership table is empty, and new triggers may follow other rules.
    if (!makeObjects(db, membershipLayout(rules)))
        return;
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
                    .arg(quoted(c.query), categoryCondition(c.query, rules, RuleInputs::ofColumns())));
}

} // namespace catalogue
