#include "catalogue/transfer/csvformat.h"

#include "platform/identity.h"

namespace catalogue::transfer {

namespace {

void appendField(QByteArray& out, QByteArrayView utf8)
{
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r')) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8)
        out += c == '"' ? QByteArrayView("\"\"") : QByteArrayView(&c, 1);
    out += '"';
}

template <class Fields> void appendRow(QByteArray& out, const Fields& fields)
{
    bool first = true;
    for (const auto& field : fields) {
        if (!first)
            out += ',';
        first = false;
        appendField(out, field);
    }
    out += "\r\n";
}

[[noreturn]] void damaged(qsizetype row, const QString& what)
{
    throw platform::Failure(QStringLiteral("it is damaged or cut short (row %1: %2).").arg(row).arg(what));
}

// The rows of the text; a quoted field keeps its line breaks as they are.
std::vector<QStringList> rowsOf(const QString& text)
{
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false;
    const auto endField = [&] {
        row << field;
        field.clear();
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            if (!field.isEmpty() || wasQuoted)
                damaged(qsizetype(rows.size()) + 1, QStringLiteral("a quote inside an unquoted field"));
            quoted = wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endField();
            rows.push_back(std::move(row));
            row.clear();
        } else {
            if (wasQuoted)
                damaged(qsizetype(rows.size()) + 1, QStringLiteral("text after a closing quote"));
            field += c;
        }
    }
    if (quoted)
        damaged(qsizetype(rows.size()) + 1, QStringLiteral("a quoted field is not closed"));
    if (!field.isEmpty() || !row.isEmpty() || wasQuoted) {
        endField();
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

QByteArray toCsv(const NextRow& next)
{
    QByteArray out("\xEF\xBB\xBF");
    std::vector<QByteArray> header;
    for (const QString& name : recipeColumns())
        header.push_back(name.toUtf8());
    appendRow(out, header);
    Utf8Row row;
    while (next(row))
        appendRow(out, row);
    return out;
}

std::vector<Incoming> fromCsv(const QString& text)
{
    const QStringList columns = recipeColumns();
    const QString header = columns.join(QLatin1Char(','));
    const QChar after = text.size() > header.size() ? text.at(header.size()) : QChar('\n');
    if (!text.startsWith(header, Qt::CaseInsensitive) || (after != QLatin1Char('\r') && after != QLatin1Char('\n')))
        throw platform::Failure(
            QStringLiteral("it is not a Zestrel recipe file (the first row is not \"%1\").").arg(header));
    const std::vector<QStringList> rows = rowsOf(text);
    std::vector<Incoming> recipes;
    for (size_t i = 1; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        if (row.size() != columns.size())
            damaged(qsizetype(i) + 1,
                    QStringLiteral("%1 fields where there should be %2").arg(row.size()).arg(columns.size()));
        const Recipe r = recipeFromValues(row);
        Incoming in{r.name, r.glass, r.directions, {}};
        for (size_t k = 0; k < 10; ++k)
            in.lines.emplace_back(r.qty[k], r.ing[k]);
        recipes.push_back(std::move(in));
    }
    return recipes;
}

} // namespace catalogue::transfer
