#include "catalogue/mybar/vocabulary.h"

#include <QCryptographicHash>

namespace catalogue::mybar {

namespace {

QStringList listOf(const QString& field)
{
    QStringList items;
    for (const QString& item : field.split(QLatin1Char(',')))
        if (const QString word = item.simplified().toLower(); !word.isEmpty())
            items << word;
    return items;
}

ContentError lineError(int n, const QString& what)
{
    return ContentError(QStringLiteral("ingredients line %1: %2").arg(n).arg(what).toStdString());
}

} // namespace

// The text of content/ingredients.txt, generated into the build.
extern const char* const kProgramVocabularyText;

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> all = {
        {"spirits", "Spirits"},
        {"liqueurs", "Liqueurs and cordials"},
        {"wines", "Wines, beers and ciders"},
        {"mixers", "Juices and mixers"},
        {"syrups", "Syrups, sweeteners and bitters"},
        {"other", "Dairy, eggs and other"},
        {"garnishes", "Garnishes"},
    };
    return all;
}

Vocabulary parseVocabulary(const QString& text)
{
    Vocabulary v;
    QStringList known;
    for (const auto& [n, parts] : contentLines(text)) {
        const QString key = parts[0].simplified().toLower();
        if (parts.size() == 2 && key == QLatin1String("staples")) {
            v.staples << listOf(parts[1]);
            continue;
        }
        if (parts.size() == 2 && key == QLatin1String("garnish marks")) {
            v.garnishMarks << listOf(parts[1]);
            continue;
        }
        if (parts.size() != 3)
            throw lineError(n, QStringLiteral("expected 'kind | ingredient | other spellings'"));
        if (std::none_of(kinds().begin(), kinds().end(), [&](const Kind& k) { return key == QLatin1String(k.key); }))
            throw lineError(n, QStringLiteral("unknown kind '%1'").arg(key));
        const QStringList names = listOf(parts[1]);
        if (names.size() != 1)
            throw lineError(n, QStringLiteral("expected one ingredient"));
        Ingredient ingredient{names[0], key, listOf(parts[2])};
        for (const QString& spelling : QStringList(ingredient.name) + ingredient.spellings) {
            if (known.contains(spelling))
                throw lineError(n, QStringLiteral("'%1' is named twice").arg(spelling));
            known << spelling;
        }
        v.ingredients.push_back(ingredient);
    }
    v.signature = QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
    return v;
}

const Vocabulary& programVocabulary()
{
    static const Vocabulary vocabulary = parseVocabulary(QString::fromUtf8(kProgramVocabularyText));
    return vocabulary;
}

} // namespace catalogue::mybar
