#include "catalogue/compiler/content.h"

#include "catalogue/schema.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace catalogue {

namespace {

QString readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ContentError(QStringLiteral("cannot read %1").arg(path).toStdString());
    return QString::fromUtf8(f.readAll());
}

[[noreturn]] void bad(int line, const QString& what)
{
    throw ContentError(QStringLiteral("line %1: %2").arg(line).arg(what).toStdString());
}

struct SideTable {
    const char* table;
    QStringList keys;
    const char* body;
};

const std::vector<SideTable>& sideTables()
{
    static const std::vector<SideTable> tables = {
        {"joke", {}, "joke"},
        {"Toasting", {QStringLiteral("Cat")}, "Toasts"},
        {"cardgames", {QStringLiteral("name")}, "instructions"},
        {"dicegames", {QStringLiteral("name")}, "instructions"},
        {"coingames", {QStringLiteral("name")}, "instructions"},
        {"mediagames", {QStringLiteral("name"), QStringLiteral("type")}, "instructions"},
        {"vocalgames", {QStringLiteral("name")}, "instructions"},
        {"boardgames", {QStringLiteral("name")}, "instructions"},
    };
    return tables;
}

} // namespace

std::vector<Recipe> parseRecipes(const QString& text)
{
    std::vector<Recipe> recipes;
    const QStringList lines = text.split(QLatin1Char('\n'));
    Recipe r;
    int ingredients = 0;
    enum { Between, Head, Lines, Directions } state = Between;
    QStringList directions;
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed() == QLatin1String("----") ? QStringLiteral("----") : lines[n];
        const int lineNo = n + 1;
        if (state == Between) {
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (!line.startsWith(QLatin1String("Name: ")))
                bad(lineNo, QStringLiteral("a recipe must begin with 'Name: '"));
            r = Recipe();
            ingredients = 0;
            directions.clear();
            r.name = line.mid(6).trimmed();
            state = Head;
        } else if (state == Head) {
            if (!line.startsWith(QLatin1String("Glass: ")))
                bad(lineNo, QStringLiteral("'Glass: ' must follow the name"));
            r.glass = line.mid(7).trimmed();
            state = Lines;
        } else if (state == Lines) {
            if (line == QLatin1String("Directions:")) {
                state = Directions;
                continue;
            }
            const qsizetype bar = line.indexOf(QLatin1Char('|'));
            if (bar < 0 || ingredients == 10)
                bad(lineNo, QStringLiteral("expected 'quantity | ingredient' (at most ten) or 'Directions:'"));
            r.qty[size_t(ingredients)] = line.left(bar).trimmed();
            r.ing[size_t(ingredients)] = line.mid(bar + 1).trimmed();
            ++ingredients;
        } else if (line == QLatin1String("----")) {
            r.directions = directions.join(QLatin1Char('\n'));
            if (r.name.size() > kTextLimit)
                bad(lineNo, QStringLiteral("'%1' is longer than %2 characters").arg(r.name).arg(kTextLimit));
            for (int i = 0; i < 10; ++i)
                if (r.qty[size_t(i)].size() > kTextLimit || r.ing[size_t(i)].size() > kTextLimit)
                    bad(lineNo, QStringLiteral("ingredient line %1 of '%2' is too long").arg(i + 1).arg(r.name));
            recipes.push_back(r);
            state = Between;
        } else {
            directions << line.trimmed();
        }
    }
    if (state != Between)
        bad(int(lines.size()), QStringLiteral("the last recipe has no '----' line"));
    return recipes;
}

std::vector<Row> parseRecords(const QString& text, const QStringList& keys, const QString& body)
{
    std::vector<Row> rows;
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString& record : normalized.split(QRegularExpression(QStringLiteral("^%%[ \\t]*$"), QRegularExpression::MultilineOption))) {
        QStringList lines = record.split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
            lines.removeFirst();
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        if (lines.isEmpty())
            continue;
        Row row;
        for (const QString& key : keys) {
            const QString prefix = key + QStringLiteral(": ");
            if (lines.isEmpty() || !lines.first().startsWith(prefix, Qt::CaseInsensitive))
                throw ContentError(QStringLiteral("record %1 lacks '%2'").arg(rows.size() + 1).arg(prefix).toStdString());
            row[key] = lines.takeFirst().mid(prefix.size()).trimmed();
        }
        row[body] = lines.join(QLatin1Char('\n'));
        rows.push_back(row);
    }
    return rows;
}

Content loadContent(const QString& contentDir)
{
    const QDir dir(contentDir);
    Content c;
    c.recipes = parseRecipes(readFile(dir.filePath(QStringLiteral("recipes.txt"))));
    c.categories = parseCategories(readFile(dir.filePath(QStringLiteral("categories.txt"))));
    for (const SideTable& t : sideTables()) {
        const QString table = QString::fromLatin1(t.table);
        auto rows = parseRecords(readFile(dir.filePath(QStringLiteral("collections/%1.txt").arg(table))), t.keys,
                                 QString::fromLatin1(t.body));
        if (table == QLatin1String("joke"))
            for (size_t i = 0; i < rows.size(); ++i)
                rows[i][QStringLiteral("ID")] = QString::number(i + 1);
        c.sideTables[table] = std::move(rows);
    }
    return c;
}

} // namespace catalogue
