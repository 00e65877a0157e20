#include "catalogue/transfer/jsonformat.h"

#include "catalogue/transfer/commonshape.h"
#include "platform/identity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace catalogue::transfer {

namespace {

const QString kFormat = QStringLiteral("zestrel-recipes");
constexpr int kVersion = 1;

// A JSON string of the text, as QJsonDocument would write it but without building a document:
// an export of 100 000 recipes streams straight into the buffer.
void appendString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (uchar(c) < 0x20)
                out += "\\u00" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    out += '"';
}

void appendField(QByteArray& out, bool& first, const char* key, const QString& value)
{
    if (value.isEmpty())
        return;
    out += first ? "" : ", ";
    first = false;
    out += '"';
    out += key;
    out += "\": ";
    appendString(out, value);
}

void appendRecipe(QByteArray& out, const Recipe& r)
{
    out += "    {";
    bool first = true;
    appendField(out, first, "name", r.name);
    appendField(out, first, "glass", r.glass);
    int used = 10;
    while (used > 0 && r.qty[size_t(used - 1)].isEmpty() && r.ing[size_t(used - 1)].isEmpty())
        --used;
    if (used > 0) {
        out += first ? "\"ingredients\": [" : ", \"ingredients\": [";
        first = false;
        for (int i = 0; i < used; ++i) {
            out += i ? ", {" : "{";
            bool firstField = true;
            appendField(out, firstField, "quantity", r.qty[size_t(i)]);
            appendField(out, firstField, "ingredient", r.ing[size_t(i)]);
            out += '}';
        }
        out += ']';
    }
    appendField(out, first, "directions", r.directions);
    out += '}';
}

[[noreturn]] void notOurs(const QString& what)
{
    throw platform::Failure(QStringLiteral("it is not a Zestrel recipe file (%1).").arg(what));
}

// A member that must be text when present.
QString textOf(const QJsonObject& o, const QString& key, qsizetype index)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined() || v.isNull())
        return QString();
    if (!v.isString())
        notOurs(QStringLiteral("recipe %1: \"%2\" is not text").arg(index + 1).arg(key));
    return v.toString();
}

std::vector<Incoming> fromOurs(const QJsonObject& top)
{
    if (top.value(QStringLiteral("format")).toString() != kFormat)
        notOurs(QStringLiteral("\"format\" is not \"%1\"").arg(kFormat));
    if (top.value(QStringLiteral("version")).toInt() != kVersion)
        notOurs(QStringLiteral("version %1 is not one this Zestrel reads")
                    .arg(top.value(QStringLiteral("version")).toVariant().toString()));
    const QJsonValue list = top.value(QStringLiteral("recipes"));
    if (!list.isArray())
        notOurs(QStringLiteral("\"recipes\" is not a list"));
    std::vector<Incoming> recipes;
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject())
            notOurs(QStringLiteral("recipe %1 is not an object").arg(i + 1));
        const QJsonObject o = array.at(i).toObject();
        Incoming r{textOf(o, QStringLiteral("name"), i),
                   textOf(o, QStringLiteral("glass"), i),
                   textOf(o, QStringLiteral("directions"), i),
                   {}};
        const QJsonValue lines = o.value(QStringLiteral("ingredients"));
        if (!lines.isUndefined() && !lines.isArray())
            notOurs(QStringLiteral("recipe %1: \"ingredients\" is not a list").arg(i + 1));
        for (const QJsonValue& line : lines.toArray()) {
            if (!line.isObject())
                notOurs(QStringLiteral("recipe %1: an ingredient line is not an object").arg(i + 1));
            r.lines.emplace_back(textOf(line.toObject(), QStringLiteral("quantity"), i),
                                 textOf(line.toObject(), QStringLiteral("ingredient"), i));
        }
        recipes.push_back(std::move(r));
    }
    return recipes;
}

} // namespace

QByteArray toJson(const std::vector<Recipe>& recipes)
{
    QByteArray out;
    out.reserve(qsizetype(recipes.size()) * 256);
    out += "{\n  \"format\": \"" + kFormat.toUtf8() + "\",\n  \"version\": " + QByteArray::number(kVersion)
           + ",\n  \"recipes\": [";
    for (size_t i = 0; i < recipes.size(); ++i) {
        out += i ? ",\n" : "\n";
        appendRecipe(out, recipes[i]);
    }
    out += recipes.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::vector<Incoming> fromJson(const QString& text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        throw platform::Failure(QStringLiteral("it is damaged or cut short (%1 at character %2).")
                                    .arg(error.errorString())
                                    .arg(error.offset));
    if (doc.isArray())
        return fromCommonShape(doc.array());
    return fromOurs(doc.object());
}

} // namespace catalogue::transfer
