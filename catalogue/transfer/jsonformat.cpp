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

// A JSON string of the UTF-8 text, written straight into the buffer.
void appendString(QByteArray& out, QByteArrayView text)
{
    out += '"';
    for (const char c : text) {
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

void appendField(QByteArray& out, bool& first, const char* key, QByteArrayView value)
{
    if (value.isEmpty())
        return;
    out += first ? "\"" : ", \"";
    first = false;
    out += key;
    out += "\": ";
    appendString(out, value);
}

// Columns: 0 the name, 2k - 1 and 2k ingredient line k, 21 the directions, 22 the glass.
void appendRecipe(QByteArray& out, const Utf8Row& r)
{
    out += "    {";
    bool first = true;
    appendField(out, first, "name", r[0]);
    appendField(out, first, "glass", r[22]);
    int used = 10;
    while (used > 0 && r[size_t(2 * used - 1)].isEmpty() && r[size_t(2 * used)].isEmpty())
        --used;
    if (used > 0) {
        out += first ? "\"ingredients\": [" : ", \"ingredients\": [";
        first = false;
        for (int k = 1; k <= used; ++k) {
            out += k > 1 ? ", {" : "{";
            bool firstField = true;
            appendField(out, firstField, "quantity", r[size_t(2 * k - 1)]);
            appendField(out, firstField, "ingredient", r[size_t(2 * k)]);
            out += '}';
        }
        out += ']';
    }
    appendField(out, first, "directions", r[21]);
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

QByteArray toJson(const NextRow& next)
{
    QByteArray out = "{\n  \"format\": \"" + kFormat.toUtf8() + "\",\n  \"version\": " + QByteArray::number(kVersion)
                     + ",\n  \"recipes\": [";
    Utf8Row row;
    bool any = false;
    while (next(row)) {
        out += any ? ",\n" : "\n";
        any = true;
        appendRecipe(out, row);
    }
    out += any ? "\n  ]\n}\n" : "]\n}\n";
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
