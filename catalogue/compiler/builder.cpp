#include "catalogue/compiler/builder.h"

#include "catalogue/categories.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"

namespace catalogue {

using platform::db::Connection;
using platform::db::Statement;

namespace {

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

// The ingredient lines as whole words, with the `except` phrases of these categories taken out.
QString ingredientWords(const QStringList& exceptPhrases)
{
    QStringList parts;
    for (int i = 1; i <= 10; ++i)
        parts << QStringLiteral("ifnull(Ing%1, '')").arg(i);
    QString words = wordsOf(parts.join(QStringLiteral(" || ' | ' || ")));
    for (const QString& phrase : exceptPhrases)
        words = QStringLiteral("replace(%1, %2, ' ')").arg(words, sqlText(QLatin1Char(' ') + phrase.toLower() + QLatin1Char(' ')));
    return words;
}

// The `except` phrases of the given categories.
QStringList exceptions(const std::vector<CategoryRule>& rules, const QStringList& categories)
{
    QStringList phrases;
    for (const CategoryRule& r : rules)
        if (r.kind == QLatin1String("except") && categories.contains(r.query))
            phrases << r.words;
    return phrases;
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

QString categoryCondition(const QString& query, const std::vector<CategoryRule>& rules)
{
    QStringList terms;
    for (const CategoryRule& r : rules) {
        if (r.query != query)
            continue;
        if (r.kind == QLatin1String("except"))
            continue;
        if (r.kind == QLatin1String("ingredient"))
            terms << anyWord(ingredientWords(exceptions(rules, {query})), r.words);
        else if (r.kind == QLatin1String("name"))
            terms << anyWord(wordsOf(QStringLiteral("ifnull(DrinkName, '')")), r.words);
        else if (r.kind == QLatin1String("glass")) {
            QStringList names;
            for (const QString& w : r.words)
                names << sqlText(w);
            terms << QStringLiteral("Glass IN (%1)").arg(names.join(QLatin1Char(',')));
        } else if (r.kind == QLatin1String("alcohol")) {
            // Nothing any spirit, liqueur, beer or wine category names, nor these words.
            QStringList words = r.words, categories;
            for (const CategoryRule& other : rules)
                if (other.kind == QLatin1String("ingredient") && !kMixerCategories.contains(other.query)) {
                    words << other.words;
                    categories << other.query;
                }
            terms << QStringLiteral("NOT %1").arg(anyWord(ingredientWords(exceptions(rules, categories)), words));
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
    db->exec(tablesSql());
    for (const Category& c : categories())
        db->exec(QStringLiteral("CREATE VIEW \"%1\" AS SELECT * FROM drinklst WHERE %2")
                     .arg(c.query, categoryCondition(c.query, content.categories)));
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
