#include "catalogue/mybar/index.h"

#include "catalogue/layout.h"
#include "catalogue/mybar/vocabulary.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

#include <algorithm>

namespace catalogue::mybar {

using platform::db::Connection;
using platform::db::Statement;

namespace {

constexpr int kLines = 10;

// Each text of `from` in e replaced by `by`.
QString replaced(QString e, const QStringList& from, const QString& by)
{
    for (const QString& p : from)
        e = QStringLiteral("replace(%1, '%2', '%3')").arg(e, p, by);
    return e;
}

// Rows (zkey, line, raw) of ingredient lines -> (zkey, line, raw, f): each line as the index reads it,
// the part before the first comma or bracket, lower-cased, apostrophes dropped, other punctuation
// as spaces, runs of spaces as one, trimmed. Done in steps, each a query over the one before, so
// that no expression nests deeper than the statement parser takes.
QString foldedRows(const QString& rawRows)
{
    const QString x = QStringLiteral("ifnull(raw, '')");
    QString cut = QStringLiteral("lower(substr(%1, 1, min(instr(%1 || ',', ','), instr(%1 || '(', '(')) - 1))").arg(x);
    cut = replaced(replaced(cut, {QStringLiteral("''")}, QString()),
                   {QStringLiteral("."), QStringLiteral("-"), QStringLiteral("/"), QStringLiteral("!"),
                    QStringLiteral("?"), QStringLiteral("\"")},
                   QStringLiteral(" "));
    const QString more = replaced(QStringLiteral("p"),
                                  {QStringLiteral(":"), QStringLiteral(";"), QStringLiteral("&"), QStringLiteral("*"),
                                   QStringLiteral("+"), QStringLiteral("_"), QStringLiteral(")"), QStringLiteral("#")},
                                  QStringLiteral(" "));
    const QString spaces
        = QStringLiteral("trim(%1)")
              .arg(replaced(QStringLiteral("p"), QStringList(4, QStringLiteral("  ")), QStringLiteral(" ")));
    return QStringLiteral("SELECT zkey, line, raw, %1 AS f FROM (SELECT zkey, line, raw, %2 AS p FROM (SELECT zkey, "
                          "line, raw, %3 AS p FROM (%4)))")
        .arg(spaces, more, cut, rawRows);
}

// Rows (zkey, line, raw) of ingredient lines -> readings (zkey, line, raw, ingredient, garnish): a
// known spelling, else the spelling without a final "s", else the folded text itself; a garnish
// when its ingredient is one or the line holds a garnish mark as a whole word. Empty lines give
// no reading.
QString readings(const QString& rawRows)
{
    return QStringLiteral(
               "SELECT w.zkey AS zkey, w.line AS line, w.raw AS raw, coalesce(t.ingredient, s.ingredient, w.f) "
               "AS ingredient, coalesce(t.garnish, s.garnish, 0) OR EXISTS (SELECT 1 FROM mybar_marks AS m "
               "WHERE instr(' ' || w.f || ' ', ' ' || m.word || ' ') > 0) AS garnish "
               "FROM (%1) AS w LEFT JOIN mybar_terms AS t ON t.term = w.f "
               "LEFT JOIN mybar_terms AS s ON t.term IS NULL AND substr(w.f, -1) = 's' "
               "AND s.term = substr(w.f, 1, length(w.f) - 1) WHERE w.f <> ''")
        .arg(foldedRows(rawRows));
}

// The index rows of the NEW row, for the triggers.
QString newRowUses()
{
    QStringList lines;
    for (int i = 1; i <= kLines; ++i)
        lines << QStringLiteral("SELECT NEW.zkey AS zkey, %1 AS line, NEW.Ing%1 AS raw").arg(i);
    return QStringLiteral(
               "INSERT INTO mybar_uses (zkey, line, ingredient, garnish) SELECT zkey, line, ingredient, garnish "
               "FROM (%1)")
        .arg(readings(lines.join(QStringLiteral(" UNION ALL "))));
}

// Every recipe's lines read again: the lines gathered in one pass over drinklst, each different
// text read once (catalogues repeat their lines; kept in a table of its own, so that the reading
// is not folded into the DISTINCT and done for every line), then joined back.
void readAllRecipes(Connection& db)
{
    QStringList numbers, columns;
    for (int i = 1; i <= kLines; ++i) {
        numbers << QStringLiteral("SELECT %1 AS line").arg(i);
        columns << QStringLiteral("WHEN %1 THEN d.Ing%1").arg(i);
    }
    db.exec(
        QStringLiteral(
            "DROP TABLE IF EXISTS temp.mybar_lines; DROP TABLE IF EXISTS temp.mybar_texts; "
            "DROP TABLE IF EXISTS temp.mybar_readings; "
            "CREATE TEMP TABLE mybar_lines AS SELECT d.zkey AS zkey, n.line AS line, CASE n.line %1 END AS raw "
            "FROM main.drinklst AS d CROSS JOIN (%2) AS n WHERE raw <> ''; "
            "CREATE TEMP TABLE mybar_texts AS SELECT DISTINCT raw FROM temp.mybar_lines; "
            "CREATE TEMP TABLE mybar_readings (raw TEXT PRIMARY KEY, ingredient TEXT, garnish INTEGER) WITHOUT ROWID")
            .arg(columns.join(QLatin1Char(' ')), numbers.join(QStringLiteral(" UNION ALL "))));
    db.exec(QStringLiteral(
                "INSERT INTO temp.mybar_readings (raw, ingredient, garnish) SELECT raw, ingredient, garnish FROM (%1)")
                .arg(readings(QStringLiteral("SELECT 0 AS zkey, 0 AS line, raw FROM temp.mybar_texts"))));
    db.exec(
        QStringLiteral("INSERT INTO mybar_uses (zkey, line, ingredient, garnish) SELECT l.zkey, l.line, r.ingredient, "
                       "r.garnish FROM temp.mybar_lines AS l JOIN temp.mybar_readings AS r ON r.raw = l.raw; "
                       "DROP TABLE temp.mybar_lines; DROP TABLE temp.mybar_texts; DROP TABLE temp.mybar_readings"));
}

// The one line bound as ?1, as a row of lines.
const QString kOneLine = QStringLiteral("SELECT 0 AS zkey, 0 AS line, ?1 AS raw");

QString storedSignature(Connection& db)
{
    try {
        Statement st(db.handle(), QStringLiteral("SELECT value FROM mybar_state WHERE name = 'vocabulary'"));
        return st.step() ? st.text(0).value_or(QString()) : QString();
    } catch (const platform::db::Error&) {
        return QString(); // no state table yet
    }
}

} // namespace

// The spellings and marks of the compiled vocabulary, each spelling folded as the lines are, then
// every recipe read again.
void fillIndex(Connection& db)
{
    const Vocabulary& v = programVocabulary();
    db.exec(QStringLiteral("DELETE FROM mybar_terms; DELETE FROM mybar_marks; DELETE FROM mybar_uses"));
    Statement term(
        db.handle(),
        QStringLiteral("INSERT OR IGNORE INTO mybar_terms (term, ingredient, garnish) SELECT f, ?2, ?3 FROM (%1)")
            .arg(foldedRows(kOneLine)));
    for (const Ingredient& i : v.ingredients) {
        for (const QString& spelling : QStringList(i.name) + i.spellings) {
            term.reset();
            term.bind(1, std::optional<QString>(spelling));
            term.bind(2, std::optional<QString>(i.name));
            term.bind(3, qint64(i.kind == kGarnishes));
            term.step();
        }
    }
    Statement mark(db.handle(), QStringLiteral("INSERT OR IGNORE INTO mybar_marks (word) VALUES (?1)"));
    for (const QString& word : v.garnishMarks) {
        mark.reset();
        mark.bind(1, std::optional<QString>(word));
        mark.step();
    }
    readAllRecipes(db);
    Statement state(db.handle(),
                    QStringLiteral("INSERT OR REPLACE INTO mybar_state (name, value) VALUES ('vocabulary', ?1)"));
    state.bind(1, std::optional<QString>(v.signature));
    state.step();
}

std::vector<SchemaObject> indexLayout()
{
    const QString table = QStringLiteral("table");
    const QString uses = newRowUses();
    QStringList watched{QStringLiteral("zkey")};
    for (int i = 1; i <= kLines; ++i)
        watched << QStringLiteral("Ing%1").arg(i);
    return {
        {table, QStringLiteral("mybar_terms"),
         QStringLiteral("CREATE TABLE mybar_terms (term TEXT PRIMARY KEY, ingredient TEXT NOT NULL, garnish INTEGER "
                        "NOT NULL) WITHOUT ROWID")},
        {table, QStringLiteral("mybar_marks"),
         QStringLiteral("CREATE TABLE mybar_marks (word TEXT PRIMARY KEY) WITHOUT ROWID")},
        {table, QStringLiteral("mybar_state"),
         QStringLiteral("CREATE TABLE mybar_state (name TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID")},
        {table, QStringLiteral("mybar_uses"),
         QStringLiteral(
             "CREATE TABLE mybar_uses (zkey INTEGER NOT NULL, line INTEGER NOT NULL, ingredient TEXT NOT NULL, "
             "garnish INTEGER NOT NULL, PRIMARY KEY (zkey, line)) WITHOUT ROWID")},
        {table, QStringLiteral("mybar_shelf"),
         QStringLiteral(
             "CREATE TABLE mybar_shelf (ingredient TEXT PRIMARY KEY, on_hand INTEGER NOT NULL) WITHOUT ROWID"),
         true},
        {QStringLiteral("trigger"), QStringLiteral("mybar_insert"),
         QStringLiteral("CREATE TRIGGER mybar_insert AFTER INSERT ON drinklst BEGIN "
                        "DELETE FROM mybar_uses WHERE zkey = NEW.zkey; %1; END")
             .arg(uses)},
        {QStringLiteral("trigger"), QStringLiteral("mybar_update"),
         QStringLiteral("CREATE TRIGGER mybar_update AFTER UPDATE OF %1 ON drinklst BEGIN "
                        "DELETE FROM mybar_uses WHERE zkey IN (OLD.zkey, NEW.zkey); %2; END")
             .arg(watched.join(QStringLiteral(", ")), uses)},
        {QStringLiteral("trigger"), QStringLiteral("mybar_delete"),
         QStringLiteral("CREATE TRIGGER mybar_delete AFTER DELETE ON drinklst BEGIN "
                        "DELETE FROM mybar_uses WHERE zkey = OLD.zkey; END")},
    };
}

bool spellingsCurrent(Connection& db) { return storedSignature(db) == programVocabulary().signature; }

bool indexCurrent(Connection& db) { return holds(db, indexLayout()) && spellingsCurrent(db); }

void shadowIndex(Connection& db)
{
    const std::vector<SchemaObject> layout = indexLayout();
    for (const SchemaObject& o : layout)
        if (o.type == QLatin1String("table"))
            db.exec(QStringLiteral("DROP TABLE IF EXISTS temp.%1; %2")
                        .arg(o.name, QString(o.sql).replace(QStringLiteral("CREATE TABLE"),
                                                            QStringLiteral("CREATE TEMP TABLE"))));
    const auto shelf = std::find_if(layout.begin(), layout.end(),
                                    [](const SchemaObject& o) { return o.name == QLatin1String("mybar_shelf"); });
    if (holds(db, {*shelf}))
        db.exec(QStringLiteral("INSERT INTO temp.mybar_shelf SELECT ingredient, on_hand FROM main.mybar_shelf"));
    fillIndex(db);
}

Reading canonical(Connection& db, const QString& line)
{
    Statement st(db.handle(), QStringLiteral("SELECT ingredient, garnish FROM (%1)").arg(readings(kOneLine)));
    st.bind(1, std::optional<QString>(line));
    if (!st.step())
        return {};
    return {st.text(0).value_or(QString()), st.int64(1) != 0};
}

} // namespace catalogue::mybar
