#include "catalogue/transfer/commonshape.h"

#include "catalogue/glasspictures.h"
#include "platform/identity.h"

#include <QHash>
#include <QJsonObject>
#include <QRegularExpression>

namespace catalogue::transfer {

namespace {

// Letters and digits only, lower case, words one space apart, without a last word "glass".
QString glassKey(const QString& name)
{
    QString key;
    for (const QChar c : name.toCaseFolded())
        key += c.isLetterOrNumber() ? c : QChar(' ');
    key = key.simplified();
    if (key.endsWith(QLatin1String(" glass")))
        key.chop(6);
    return key;
}

const QHash<QString, QString>& glassNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        for (const GlassPicture& p : glassPictures())
            table.insert(glassKey(p.glass), p.glass);
        const std::pair<const char*, const char*> others[] = {
            {"martini", "Cocktail"},          {"champagne", "Champagne Flute"}, {"flute", "Champagne Flute"},
            {"rocks", "Old-Fashioned"},       {"lowball", "Old-Fashioned"},     {"old fashion", "Old-Fashioned"},
            {"snifter", "Brandy Snifter"},    {"pilsner", "Beer Pilsner"},      {"irish coffee cup", "Irish Coffee"},
            {"whisky sour", "Whiskey Sour"},  {"sour", "Whiskey Sour"},         {"collins tumbler", "Collins"},
            {"highball tumbler", "Highball"}, {"pousse café", "Pousse Cafe"},   {"sherry copita", "Sherry"},
        };
        for (const auto& [other, ours] : others)
            table.insert(glassKey(QString::fromUtf8(other)), QString::fromLatin1(ours));
        return table;
    }();
    return names;
}

[[noreturn]] void notTheShape(qsizetype index, const QString& what)
{
    throw platform::Failure(QStringLiteral("it is not a list of recipes (drink %1: %2).").arg(index + 1).arg(what));
}

QString textOf(const QJsonObject& o, const char* key, qsizetype index)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return QString();
    if (!v.isString())
        notTheShape(index, QStringLiteral("\"%1\" is not text").arg(QLatin1String(key)));
    return v.toString();
}

// "4.5", "2", "0.75": as the catalogue writes amounts.
QString amountText(double amount) { return QString::number(amount, 'g', 6); }

std::pair<QString, QString> lineOf(const QJsonObject& line, qsizetype index)
{
    if (line.contains(QLatin1String("special")))
        return splitSpecial(textOf(line, "special", index));
    QString ingredient = textOf(line, "label", index);
    if (ingredient.isEmpty())
        ingredient = textOf(line, "ingredient", index);
    // {"cl": 4.5} or {"unit": "cl", "amount": 4.5}
    for (const char* unit : {"cl", "oz", "ml"}) {
        const QJsonValue amount = line.value(QLatin1String(unit));
        if (amount.isDouble())
            return {amountText(amount.toDouble()) + QLatin1Char(' ') + QLatin1String(unit), ingredient};
        if (!amount.isUndefined())
            notTheShape(index, QStringLiteral("the amount in %1 is not a number").arg(QLatin1String(unit)));
    }
    const QJsonValue amount = line.value(QLatin1String("amount"));
    if (amount.isDouble())
        return {(amountText(amount.toDouble()) + QLatin1Char(' ') + textOf(line, "unit", index)).trimmed(), ingredient};
    return {textOf(line, "amount", index), ingredient};
}

} // namespace

QString catalogueGlass(const QString& glass) { return glassNames().value(glassKey(glass), glass); }

std::pair<QString, QString> splitSpecial(const QString& line)
{
    static const QRegularExpression amount(
        QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?(?:\\s+\\d+/\\d+)?|\\d+/\\d+|a|one|two|three|four|five|six)\\s+"
                       "(dash(?:es)?|drops?|splash(?:es)?|tsps?|teaspoons?|tbsps?|tablespoons?|bar ?spoons?|cl|ml|oz|"
                       "pinch(?:es)?|slices?|wedges?|sprigs?|leaf|leaves|cubes?|pieces?|cups?|parts?|twists?|scoops?)"
                       "\\s+(\\S.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = amount.match(line);
    if (!m.hasMatch())
        return {QString(), line};
    return {m.captured(1) + QLatin1Char(' ') + m.captured(2), m.captured(3).trimmed()};
}

std::vector<Incoming> fromCommonShape(const QJsonArray& drinks)
{
    std::vector<Incoming> recipes;
    for (qsizetype i = 0; i < drinks.size(); ++i) {
        if (!drinks.at(i).isObject())
            notTheShape(i, QStringLiteral("not an object"));
        const QJsonObject o = drinks.at(i).toObject();
        Incoming r;
        r.name = textOf(o, "name", i);
        r.glass = catalogueGlass(textOf(o, "glass", i));
        const QJsonValue lines = o.value(QLatin1String("ingredients"));
        if (!lines.isUndefined() && !lines.isArray())
            notTheShape(i, QStringLiteral("\"ingredients\" is not a list"));
        for (const QJsonValue& line : lines.toArray()) {
            if (!line.isObject())
                notTheShape(i, QStringLiteral("an ingredient is not an object"));
            r.lines.push_back(lineOf(line.toObject(), i));
        }
        QStringList directions;
        if (const QString preparation = textOf(o, "preparation", i); !preparation.isEmpty())
            directions << preparation;
        if (const QString garnish = textOf(o, "garnish", i); !garnish.isEmpty())
            directions << QStringLiteral("Garnish: ") + garnish;
        r.directions = directions.join(QLatin1Char('\n'));
        recipes.push_back(std::move(r));
    }
    return recipes;
}

} // namespace catalogue::transfer
