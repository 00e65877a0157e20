#include "catalogue/layout.h"

#include "catalogue/membership.h"
#include "catalogue/mybar/index.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

#include <map>
#include <set>

namespace catalogue {

using platform::db::Connection;
using platform::db::Statement;

namespace {

// Each part of the program that keeps objects in the file, in the order they are made, and how
// it works out again what its tables hold once one of its tables or triggers had to be made (a
// new table is empty, and new triggers may follow other rules).
struct LayoutPart {
    std::vector<SchemaObject> (*objects)(const std::vector<CategoryRule>& rules);
    void (*refill)(Connection& db, const std::vector<CategoryRule>& rules);
};
const LayoutPart kLayoutParts[] = {
    {[](const std::vector<CategoryRule>&) { return recipeTables(); }, nullptr},
    {membershipLayout, recountMembers},
    {[](const std::vector<CategoryRule>&) { return mybar::indexLayout(); },
     [](Connection& db, const std::vector<CategoryRule>&) { mybar::fillIndex(db); }},
};

bool runsOnWrite(const QString& type) { return type == QLatin1String("trigger") || type == QLatin1String("index"); }

} // namespace

std::vector<SchemaObject> expectedObjects(const std::vector<CategoryRule>& rules)
{
    std::vector<SchemaObject> all;
    for (const LayoutPart& part : kLayoutParts)
        for (SchemaObject& o : part.objects(rules))
            all.push_back(std::move(o));
    return all;
}

LayoutCheck checkLayout(Connection& db, const std::vector<CategoryRule>& rules)
{
    // The file's objects by name, letter case ignored as SQL does; automatic indexes (no SQL)
    // and the engine's own tables are the engine's business.
    std::map<QString, SchemaObject> held;
    Statement read(db.handle(), QStringLiteral("SELECT type, name, sql FROM main.sqlite_master WHERE sql IS NOT NULL "
                                               "AND NOT (type = 'table' AND name LIKE 'sqlite\\_%' ESCAPE '\\')"));
    while (read.step()) {
        SchemaObject o{read.text(0).value_or(QString()), read.text(1).value_or(QString()),
                       read.text(2).value_or(QString())};
        held[o.name.toCaseFolded()] = o;
    }
    LayoutCheck check;
    for (const SchemaObject& wanted : expectedObjects(rules)) {
        const auto found = held.find(wanted.name.toCaseFolded());
        if (found == held.end()) {
            check.toMake.push_back(wanted);
            continue;
        }
        const SchemaObject has = found->second;
        held.erase(found);
        if (has.type == wanted.type && has.sql == wanted.sql)
            continue;
        if (wanted.keepsData)
            check.refused << wanted.name;
        check.toMake.push_back(wanted);
        check.writesAsOurs = check.writesAsOurs && !runsOnWrite(has.type) && !runsOnWrite(wanted.type);
    }
    for (auto& [name, o] : held)
        if (runsOnWrite(o.type)) {
            check.foreign.push_back(o);
            check.writesAsOurs = false;
        }
    return check;
}

QString storedType(Connection& db, const QString& name)
{
    Statement find(db.handle(), QStringLiteral("SELECT type FROM main.sqlite_master WHERE name = ?1 COLLATE NOCASE"));
    find.bind(1, std::optional<QString>(name));
    return find.step() ? find.text(0).value_or(QString()) : QString();
}

bool hasLayout(Connection& db, const std::vector<CategoryRule>& rules) { return checkLayout(db, rules).matches(); }

bool holds(Connection& db, const std::vector<SchemaObject>& objects)
{
    Statement find(db.handle(),
                   QStringLiteral("SELECT type, sql FROM main.sqlite_master WHERE name = ?1 COLLATE NOCASE"));
    for (const SchemaObject& o : objects) {
        find.reset();
        find.bind(1, std::optional<QString>(o.name));
        if (!find.step() || find.text(0).value_or(QString()) != o.type || find.text(1).value_or(QString()) != o.sql)
            return false;
    }
    return true;
}

void installLayout(Connection& db, const std::vector<CategoryRule>& rules)
{
    const LayoutCheck check = checkLayout(db, rules);
    if (!check.refused.isEmpty())
        throw platform::db::Error(platform::db::UnusableLayout, db.path());
    for (const SchemaObject& o : check.foreign)
        db.exec(QStringLiteral("DROP %1 %2").arg(o.type.toUpper(), quotedName(o.name)));
    std::set<QString> toMake;
    for (const SchemaObject& o : check.toMake)
        toMake.insert(o.name);
    for (const LayoutPart& part : kLayoutParts) {
        bool refill = false;
        for (const SchemaObject& o : part.objects(rules)) {
            if (!toMake.count(o.name))
                continue;
            if (const QString type = storedType(db, o.name); !type.isEmpty())
                db.exec(QStringLiteral("DROP %1 %2").arg(type.toUpper(), quotedName(o.name)));
            db.exec(o.sql);
            refill = refill || o.type == QLatin1String("table") || o.type == QLatin1String("trigger");
        }
        if (refill && part.refill)
            part.refill(db, rules);
    }
}

} // namespace catalogue
