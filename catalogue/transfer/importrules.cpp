#include "catalogue/transfer/importrules.h"

#include "platform/database/connection.h"

#include <QHash>
#include <QSet>

namespace catalogue::transfer {

using platform::db::Connection;

namespace {

const QString kSuffix = QStringLiteral(" (imported%1)");

// The recipe as the catalogue can hold it, or why it cannot.
std::optional<Recipe> fitted(const Incoming& in, QString& reason)
{
    if (in.name.isEmpty()) {
        reason = QStringLiteral("it has no name");
        return std::nullopt;
    }
    if (in.name.size() > kTextLimit) {
        reason = QStringLiteral("its name is over %1 characters").arg(kTextLimit);
        return std::nullopt;
    }
    size_t used = in.lines.size();
    while (used > 0 && in.lines[used - 1].first.isEmpty() && in.lines[used - 1].second.isEmpty())
        --used;
    if (used > 10) {
        reason = QStringLiteral("it has %1 ingredient lines and a recipe holds 10").arg(used);
        return std::nullopt;
    }
    Recipe r{in.name, in.glass, {}, {}, in.directions};
    for (size_t i = 0; i < used; ++i) {
        const auto& [qty, ing] = in.lines[i];
        if (qty.size() > kTextLimit || ing.size() > kTextLimit) {
            reason = QStringLiteral("ingredient line %1 is over %2 characters").arg(i + 1).arg(kTextLimit);
            return std::nullopt;
        }
        r.qty[i] = qty;
        r.ing[i] = ing;
    }
    return r;
}

// The ingredient lines, for comparing recipes.
QStringList linesOf(const Recipe& r)
{
    QStringList lines;
    for (size_t i = 0; i < 10; ++i)
        lines << r.qty[i] << r.ing[i];
    return lines;
}

QString key(const QString& name) { return name.toCaseFolded(); }

// What the catalogue holds of each name: the ingredient lines of every recipe under it.
QHash<QString, QList<QStringList>> namesInCatalogue(Connection& db)
{
    QStringList columns = recipeColumns().mid(0, 21);
    auto rows = db.prepare(QStringLiteral("SELECT %1 FROM drinklst").arg(columns.join(QLatin1Char(','))));
    QHash<QString, QList<QStringList>> names;
    while (rows->step()) {
        QStringList lines;
        for (int c = 1; c <= 20; ++c)
            lines << rows->text(c).value_or(QString());
        names[key(rows->text(0).value_or(QString()))].append(lines);
    }
    return names;
}

} // namespace

QString ImportSummary::line() const
{
    return QStringLiteral("Imported %1 %2, skipped %3.")
        .arg(imported)
        .arg(imported == 1 ? QStringLiteral("recipe") : QStringLiteral("recipes"))
        .arg(skipped.size());
}

QString ImportSummary::details() const
{
    QStringList text{line()};
    for (const QString& name : renamed)
        text << QStringLiteral("Imported as \"%1\": the name was taken.").arg(name);
    for (const Skipped& s : skipped)
        text << QStringLiteral("Skipped \"%1\": %2.").arg(s.name, s.reason);
    return text.join(QLatin1Char('\n'));
}

ImportSummary addRecipes(Connection& db, const std::vector<Incoming>& recipes)
{
    ImportSummary summary;
    db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        QHash<QString, QList<QStringList>> names = namesInCatalogue(db);
        const QStringList columns = recipeColumns();
        QStringList marks;
        for (qsizetype i = 1; i <= columns.size(); ++i)
            marks << QStringLiteral("?%1").arg(i);
        auto insert = db.prepare(QStringLiteral("INSERT INTO drinklst (%1) VALUES (%2)")
                                     .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (const Incoming& in : recipes) {
            QString reason;
            std::optional<Recipe> r = fitted(in, reason);
            if (!r) {
                summary.skipped.push_back({in.name, reason});
                continue;
            }
            const QStringList lines = linesOf(*r);
            if (names.value(key(r->name)).contains(lines)) {
                summary.skipped.push_back({in.name, QStringLiteral("the same recipe is in the catalogue")});
                continue;
            }
            for (int n = 1; names.contains(key(r->name)); ++n)
                r->name = in.name + kSuffix.arg(n == 1 ? QString() : QStringLiteral(" %1").arg(n));
            if (r->name.size() > kTextLimit) {
                summary.skipped.push_back({in.name, QStringLiteral("its name is taken and has no room for a suffix")});
                continue;
            }
            if (r->name != in.name)
                summary.renamed << r->name;
            const QStringList values = columnValues(*r);
            for (int i = 0; i < values.size(); ++i)
                insert->bind(i + 1, values[i].isEmpty() ? std::nullopt : std::optional<QString>(values[i]));
            insert->step();
            insert->reset();
            names[key(r->name)].append(lines);
            ++summary.imported;
        }
        db.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return summary;
}

} // namespace catalogue::transfer
