#include "catalogue/mybar/index.h"

#include "catalogue/mybar/vocabulary.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

#include <algorithm>

namespace catalogue::mybar {

using platform::db::Connection;
using platform::db::Statement;

namespace {

constexpr int kLines = 10;

QString replaced(QString e, const QStringList& marks, const QString& by)
{
    for (const QString& p : marks)
        e = QStringLiteral("replace(%1, '%2', '%3')").arg(e, p, by);
    return e;
}

// Rows (zkey, line, raw) of ingredient lines -> (zkey, line, f): each line as the index reads it,
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
    const QString marks = replaced(QStringLiteral("p"),
                                   {QStringLiteral(":"), QStringLiteral(";"), QStringLiteral("&"), QStringLiteral("*"),
                                    QStringLiteral("+"), QStringLiteral("_"), QStringLiteral(")"), QStringLiteral("#")},
                                   QStringLiteral(" "));
    const QString spaces
        = QStringLiteral("trim(%1)")
              .arg(replaced(QStringLiteral("p"), QStringList(4, QStringLiteral("  ")), QStringLiteral(" ")));
    return QStringLiteral("SELECT zkey, line, %1 AS f FROM (SELECT zkey, line, %2 AS p FROM (SELECT zkey, line, %3 AS "
                          "p FROM (%4)))")
        .arg(spaces, marks, cut, rawRows);
}

// Rows (zkey, line, raw) of ingredient lines -> index rows (zkey, line, ingredient, garnish): a known
// spelling, else the spelling without a final "s", else the folded text itself; a garnish when its
// ingredient is one or the line holds a garnish mark as a whole word.
QString indexRows(const QString& rawRows)
{
    return QStringLiteral("SELECT w.zkey, w.line, coalesce(t.ingredient, s.ingredient, w.f), "
                          "coalesce(t.garnish, s.garnish, 0) OR EXISTS (SELECT 1 FROM mybar_marks AS m "
                          "WHERE instr(' ' || w.f || ' ', ' ' || m.word || ' ') > 0) "
                          "FROM (%1) AS w LEFT JOIN mybar_terms AS t ON t.term = w.f "
                          "LEFT JOIN mybar_terms AS s ON t.term IS NULL AND substr(w.f, -1) = 's' "
                          "AND s.term = substr(w.f, 1, length(w.f) - 1) WHERE w.f <> ''")
        .arg(foldedRows(rawRows));
}

// The ingredient lines of drinklst's rows (from = " FROM main.drinklst") or of the NEW row.
QString recipeLines(const QString& prefix, const QString& from)
{
    QStringList lines;
    for (int i = 1; i <= kLines; ++i)
        lines << QStringLiteral("SELECT %1zkey AS zkey, %2 AS line, %1Ing%2 AS raw%3").arg(prefix).arg(i).arg(from);
    return lines.join(QStringLiteral(" UNION ALL "));
}

// The one line bound as ?1, as a row of lines.
const QString kOneLine = QStringLiteral("SELECT 0 AS zkey, 0 AS line, ?1 AS raw");

const QString kInsertUses = QStringLiteral("INSERT INTO mybar_uses (zkey, line, ingredient, garnish) ");

QString storedSignature(Connection& db)
{
    try {
        Statement st(db.handle(), QStringLiteral("SELECT value FROM mybar_state WHERE name = 'vocabulary'"));
        return st.step() ? st.text(0).value_or(QString()) : QString();
    } catch (const platform::db::Error&) {
        return QString(); // no state table yet
    }
}

// The spellings and marks of the compiled vocabulary, each spelling folded as the lines are, then
// every recipe read again.
void fill(Connection& db)
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
    db.exec(kInsertUses + indexRows(recipeLines(QString(), QStringLiteral(" FROM main.drinklst"))));
    Statement state(db.handle(),
                    QStringLiteral("INSERT OR REPLACE INTO mybar_state (name, value) VALUES ('vocabulary', ?1)"));
    state.bind(1, std::optional<QString>(v.signature));
    state.step();
}

} // namespace

std::vector<SchemaObject> indexLayout()
{
    const QString table = QStringLiteral("table");
    const QString rows = indexRows(recipeLines(QStringLiteral("NEW."), QString()));
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
        {QStringLiteral("index"), QStringLiteral("mybar_uses_ingredient"),
         QStringLiteral("CREATE INDEX mybar_uses_ingredient ON mybar_uses (ingredient)")},
        {table, QStringLiteral("mybar_shelf"),
         QStringLiteral(
             "CREATE TABLE mybar_shelf (ingredient TEXT PRIMARY KEY, on_hand INTEGER NOT NULL) WITHOUT ROWID")},
        {QStringLiteral("trigger"), QStringLiteral("mybar_insert"),
         QStringLiteral("CREATE TRIGGER mybar_insert AFTER INSERT ON drinklst BEGIN "
                        "DELETE FROM mybar_uses WHERE zkey = NEW.zkey; %1%2; END")
             .arg(kInsertUses, rows)},
        {QStringLiteral("trigger"), QStringLiteral("mybar_update"),
         QStringLiteral("CREATE TRIGGER mybar_update AFTER UPDATE OF %1 ON drinklst BEGIN "
                        "DELETE FROM mybar_uses WHERE zkey IN (OLD.zkey, NEW.zkey); %2%3; END")
             .arg(watched.join(QStringLiteral(", ")), kInsertUses, rows)},
        {QStringLiteral("trigger"), QStringLiteral("mybar_delete"),
         QStringLiteral("CREATE TRIGGER mybar_delete AFTER DELETE ON drinklst BEGIN "
                        "DELETE FROM mybar_uses WHERE zkey = OLD.zkey; END")},
    };
}

bool indexCurrent(Connection& db)
{
    for (const SchemaObject& o : indexLayout())
        if (!same(stored(db, o.name), o))
            return false;
    return storedSignature(db) == programVocabulary().signature;
}

void installIndex(Connection& db)
{
    if (makeObjects(db, indexLayout()) || storedSignature(db) != programVocabulary().signature)
        fill(db);
}

void shadowIndex(Connection& db)
{
    for (const SchemaObject& o : indexLayout()) {
        if (o.type == QLatin1String("table"))
            db.exec(QStringLiteral("DROP TABLE IF EXISTS temp.%1; %2")
                        .arg(o.name, QString(o.sql).replace(QStringLiteral("CREATE TABLE"),
                                                            QStringLiteral("CREATE TEMP TABLE"))));
        else if (o.type == QLatin1String("index"))
            db.exec(QString(o.sql).replace(QStringLiteral("INDEX "), QStringLiteral("INDEX temp.")));
    }
    const std::vector<SchemaObject> layout = indexLayout();
    const auto shelf = std::find_if(layout.begin(), layout.end(),
                                    [](const SchemaObject& o) { return o.name == QLatin1String("mybar_shelf"); });
    if (same(stored(db, shelf->name), *shelf))
        db.exec(QStringLiteral("INSERT INTO temp.mybar_shelf SELECT ingredient, on_hand FROM main.mybar_shelf"));
    fill(db);
}

Reading canonical(Connection& db, const QString& line)
{
    Statement st(db.handle(), indexRows(kOneLine));
    st.bind(1, std::optional<QString>(line));
    if (!st.step())
        return {};
    return {st.text(2).value_or(QString()), st.int64(3) != 0};
}

} // namespace catalogue::mybar
