#include "catalogue/categoryrules.h"

namespace catalogue {

namespace {

QString sqlText(QString s) { return QLatin1Char('\'') + s.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

// Lower-cased text with punctuation turned into spaces and a space at each end.
QString wordsOf(const QString& expr)
{
    QString e = QStringLiteral("lower(%1)").arg(expr);
    for (const char* p : {",", "(", ")", ".", "/", "-"})
        e = QStringLiteral("replace(%1, '%2', ' ')").arg(e, QString::fromLatin1(p));
    return QStringLiteral("(' ' || %1 || ' ')").arg(e);
}

// The ingredient words with the `except` phrases of these categories taken out.
QString withoutExceptions(QString words, const std::vector<CategoryRule>& rules, const QStringList& categories)
{
    for (const CategoryRule& r : rules)
        if (r.kind == QLatin1String("except") && categories.contains(r.query))
            for (const QString& phrase : r.words)
                words = QStringLiteral("replace(%1, %2, ' ')").arg(words, sqlText(QLatin1Char(' ') + phrase.toLower() + QLatin1Char(' ')));
    return words;
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

const QStringList kKinds = {QStringLiteral("ingredient"), QStringLiteral("except"), QStringLiteral("name"),
                            QStringLiteral("glass"), QStringLiteral("alcohol")};

} // namespace

// The text of content/categories.txt, generated into the build.
extern const char* const kProgramRulesText;

std::vector<ContentLine> contentLines(const QString& text)
{
    std::vector<ContentLine> kept;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            kept.push_back({n + 1, line.split(QLatin1Char('|'))});
    }
    return kept;
}

std::vector<CategoryRule> parseCategories(const QString& text)
{
    std::vector<CategoryRule> rules;
    for (const auto& [n, parts] : contentLines(text)) {
        if (parts.size() != 3)
            throw ContentError(QStringLiteral("line %1: expected 'query | kind | words'").arg(n).toStdString());
        CategoryRule rule{parts[0].trimmed(), parts[1].trimmed(), {}};
        for (const QString& w : parts[2].split(QLatin1Char(',')))
            if (!w.trimmed().isEmpty())
                rule.words << w.trimmed();
        if (!kKinds.contains(rule.kind))
            throw ContentError(QStringLiteral("line %1: unknown rule kind '%2'").arg(n).arg(rule.kind).toStdString());
        rules.push_back(rule);
    }
    return rules;
}

const std::vector<CategoryRule>& programRules()
{
    static const std::vector<CategoryRule> rules = parseCategories(QString::fromUtf8(kProgramRulesText));
    return rules;
}

RuleInputs RuleInputs::ofColumns(const QString& prefix)
{
    QStringList parts;
    for (int i = 1; i <= 10; ++i)
        parts << QStringLiteral("ifnull(%1Ing%2, '')").arg(prefix).arg(i);
    return {wordsOf(parts.join(QStringLiteral(" || ' | ' || "))), wordsOf(QStringLiteral("ifnull(%1DrinkName, '')").arg(prefix)),
            prefix + QStringLiteral("Glass")};
}

QString categoryCondition(const QString& query, const std::vector<CategoryRule>& rules, const RuleInputs& in)
{
    QStringList terms;
    for (const CategoryRule& r : rules) {
        if (r.query != query)
            continue;
        if (r.kind == QLatin1String("ingredient"))
            terms << anyWord(withoutExceptions(in.ingredients, rules, {query}), r.words);
        else if (r.kind == QLatin1String("name"))
            terms << anyWord(in.name, r.words);
        else if (r.kind == QLatin1String("glass")) {
            QStringList names;
            for (const QString& w : r.words)
                names << sqlText(w);
            terms << QStringLiteral("%1 IN (%2)").arg(in.glass, names.join(QLatin1Char(',')));
        } else if (r.kind == QLatin1String("alcohol")) {
            // In no spirit, liqueur, beer or wine category (each read with its own exceptions: a
            // phrase one category leaves out may still be another's), and none of these words.
            QStringList alcoholic{anyWord(in.ingredients, r.words)};
            for (const CategoryRule& other : rules)
                if (other.kind == QLatin1String("ingredient") && !kMixerCategories.contains(other.query))
                    alcoholic << anyWord(withoutExceptions(in.ingredients, rules, {other.query}), other.words);
            terms << QStringLiteral("NOT (%1)").arg(alcoholic.join(QStringLiteral(" OR ")));
        }
    }
    if (terms.isEmpty())
        throw ContentError(QStringLiteral("no rule for the category %1").arg(query).toStdString());
    return terms.join(QStringLiteral(" OR "));
}

} // namespace catalogue
