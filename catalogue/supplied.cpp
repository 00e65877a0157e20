#include "supplied.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace catalogue {

using platform::db::Connection;
using platform::db::Statement;

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

QString sqlText(QString s) { return QLatin1Char('\'') + s.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

// Lower-cased text with punctuation turned into spaces and a space at each end, so that
// "% word %" finds whole words.
QString wordsOf(const QString& expr)
{
    QString e = QStringLiteral("lower(%1)").arg(expr);
    for (const char* p : {",", "(", ")", ".", "/", "-"})
        e = QStringLiteral("replace(%1, '%2', ' ')").arg(e, QString::fromLatin1(p));
    return QStringLiteral("(' ' || %1 || ' ')").arg(e);
}

QString ingredientWords()
{
    QStringList parts;
    for (int i = 1; i <= 10; ++i)
        parts << QStringLiteral("ifnull(Ing%1, '')").arg(i);
    return wordsOf(parts.join(QStringLiteral(" || ' | ' || ")));
}

QString anyWord(const QString& haystack, const QStringList& words)
{
    QStringList terms;
    for (const QString& w : words)
        terms << QStringLiteral("%1 LIKE %2").arg(haystack, sqlText(QStringLiteral("% ") + w.toLower() + QStringLiteral(" %")));
    return QStringLiteral("(%1)").arg(terms.join(QStringLiteral(" OR ")));
}

const QStringList kMixerCategories = {QStringLiteral("HotDrinks"), QStringLiteral("Punch"), QStringLiteral("Tropical"),
                                      QStringLiteral("NonAlcoholic")};

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

QString limited(const QString& column, bool limit = true)
{
    if (!limit)
        return QStringLiteral("%1 TEXT").arg(column);
    return QStringLiteral("%1 TEXT CONSTRAINT len_%1_%2 CHECK (length(%1) <= %2)").arg(column).arg(kTextLimit);
}

QString schemaSql()
{
    QStringList drink{QStringLiteral("zkey INTEGER PRIMARY KEY"), limited(QStringLiteral("DrinkName"))};
    for (int i = 1; i <= 10; ++i)
        drink << limited(QStringLiteral("Qty%1").arg(i)) << limited(QStringLiteral("Ing%1").arg(i));
    drink << limited(QStringLiteral("Directions"), false) << limited(QStringLiteral("Glass"), false);
    QStringList sql{QStringLiteral("CREATE TABLE drinklst (%1)").arg(drink.join(QStringLiteral(", ")))};
    sql << QStringLiteral("CREATE TABLE joke (zkey INTEGER PRIMARY KEY, ID INTEGER, joke TEXT)")
        << QStringLiteral("CREATE TABLE Toasting (zkey INTEGER PRIMARY KEY, %1, Toasts TEXT)").arg(limited(QStringLiteral("Cat")));
    for (const char* t : {"cardgames", "dicegames", "coingames", "vocalgames", "boardgames"})
        sql << QStringLiteral("CREATE TABLE %1 (zkey INTEGER PRIMARY KEY, %2, instructions TEXT)")
                   .arg(QString::fromLatin1(t), limited(QStringLiteral("name")));
    sql << QStringLiteral("CREATE TABLE mediagames (zkey INTEGER PRIMARY KEY, %1, instructions TEXT, type TEXT)")
               .arg(limited(QStringLiteral("name")));
    return sql.join(QStringLiteral(";\n"));
}

void insertRow(Connection& db, const QString& table, const Row& row)
{
    QStringList names, marks;
    for (const auto& [column, value] : row) {
        names << column;
        marks << QStringLiteral("?%1").arg(marks.size() + 1);
    }
    Statement st(db.handle(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    int i = 1;
    for (const auto& [column, value] : row)
        st.bind(i++, value.isEmpty() ? std::optional<QString>() : std::optional<QString>(value));
    st.step();
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

std::vector<CategoryRule> parseCategories(const QString& text)
{
    std::vector<CategoryRule> rules;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('|'));
        if (parts.size() != 3)
            bad(n + 1, QStringLiteral("expected 'query | kind | words'"));
        CategoryRule rule{parts[0].trimmed(), parts[1].trimmed(), {}};
        for (const QString& w : parts[2].split(QLatin1Char(',')))
            if (!w.trimmed().isEmpty())
                rule.words << w.trimmed();
        rules.push_back(rule);
    }
    return rules;
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

const QStringList& categoryQueries()
{
    static const QStringList names = {
        QStringLiteral("Aperitifs"), QStringLiteral("Beer"), QStringLiteral("Bourbon"), QStringLiteral("Brandy"),
        QStringLiteral("Cordials"), QStringLiteral("Gin"), QStringLiteral("HotDrinks"), QStringLiteral("NonAlcoholic"),
        QStringLiteral("Punch"), QStringLiteral("Rum"), QStringLiteral("Scotch"), QStringLiteral("Tequila"),
        QStringLiteral("Tropical"), QStringLiteral("Vodka"), QStringLiteral("Whiskey"), QStringLiteral("Wine")};
    return names;
}

QString categoryCondition(const QString& query, const std::vector<CategoryRule>& rules)
{
    QStringList terms;
    for (const CategoryRule& r : rules) {
        if (r.query != query)
            continue;
        if (r.kind == QLatin1String("ingredient"))
            terms << anyWord(ingredientWords(), r.words);
        else if (r.kind == QLatin1String("name"))
            terms << anyWord(wordsOf(QStringLiteral("ifnull(DrinkName, '')")), r.words);
        else if (r.kind == QLatin1String("glass")) {
            QStringList names;
            for (const QString& w : r.words)
                names << sqlText(w);
            terms << QStringLiteral("Glass IN (%1)").arg(names.join(QLatin1Char(',')));
        } else if (r.kind == QLatin1String("alcohol")) {
            // Nothing any spirit, liqueur, beer or wine category names, nor these words.
            QStringList words = r.words;
            for (const CategoryRule& other : rules)
                if (other.kind == QLatin1String("ingredient") && !kMixerCategories.contains(other.query))
                    words << other.words;
            terms << QStringLiteral("NOT %1").arg(anyWord(ingredientWords(), words));
        } else {
            throw ContentError(QStringLiteral("unknown rule kind '%1' for %2").arg(r.kind, query).toStdString());
        }
    }
    if (terms.isEmpty())
        throw ContentError(QStringLiteral("no rule for the category %1").arg(query).toStdString());
    return terms.join(QStringLiteral(" OR "));
}

void buildDatabase(const QString& path, const Content& content, const QString& connect)
{
    auto db = platform::db::createDatabase(path, connect);
    db->exec(QStringLiteral("BEGIN"));
    db->exec(schemaSql());
    for (const QString& q : categoryQueries())
        db->exec(QStringLiteral("CREATE VIEW \"%1\" AS SELECT * FROM drinklst WHERE %2")
                     .arg(q, categoryCondition(q, content.categories)));
    for (const Recipe& r : content.recipes) {
        Row row{{QStringLiteral("DrinkName"), r.name}, {QStringLiteral("Directions"), r.directions},
                {QStringLiteral("Glass"), r.glass}};
        for (int i = 0; i < 10; ++i) {
            row[QStringLiteral("Qty%1").arg(i + 1)] = r.qty[size_t(i)];
            row[QStringLiteral("Ing%1").arg(i + 1)] = r.ing[size_t(i)];
        }
        insertRow(*db, QStringLiteral("drinklst"), row);
    }
    for (const auto& [table, rows] : content.sideTables)
        for (const Row& row : rows)
            insertRow(*db, table, row);
    db->exec(QStringLiteral("COMMIT"));
}

} // namespace catalogue
