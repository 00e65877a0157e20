#include "errors.h"
#include <QStringList>
#include <map>

namespace platform::db {

namespace {
// %1 is replaced by the detail of the failure (a path, a name, a field).
const std::map<int, const char*>& table()
{
    static const std::map<int, const char*> texts = {
        {NoOpenRecordset, "There is no open record set; refresh the list first."},
        {InvalidPattern, "The search pattern is not valid: a '[' has no closing ']'."},
        {FileNotFound, "The database file '%1' could not be found."},
        {NotValidPassword, "The password is not valid for this database."},
        {CannotOpenFile, "The database file '%1' could not be opened; it may be read-only or in use."},
        {NoCurrentRecord, "There is no current record."},
        {SyntaxInCriteria, "Syntax error in the search criteria: %1."},
        {SourceNotFound, "The database holds no table or query named '%1'."},
        {UnknownField, "The field '%1' is not part of this list."},
        {SyntaxInFrom, "The record source '%1' is not a table, a query or a SELECT text the database understands."},
        {FieldTooSmall, "The field is too small to accept the amount of data you attempted to add: %1 takes at most %2 characters."},
        {RecordDeleted, "The record has been deleted."},
        {UnknownEngine, "The connect string names an engine type, '%1', that is not known."},
        {ChangedByOther, "The record was changed by another user since you began to edit it; your changes were not saved. Refresh to see the current record."},
        {RecordLocked, "The database is locked by another user; the record could not be saved. Try again in a moment."},
        {NotADatabase, "The file '%1' is not a database in a recognised format, or it is damaged."},
        {SaveRefused, "The database refused to save the record: %1."},
        {EngineFailure, "The database engine reported a failure: %1."},
    };
    return texts;
}
} // namespace

QString describe(int number)
{
    auto it = table().find(number);
    QString text = it == table().end() ? QStringLiteral("Unknown database error %1.").arg(number)
                                       : QString::fromUtf8(it->second);
    // Without a detail the placeholders go, with the text around them kept readable.
    text.replace(QStringLiteral(" '%1'"), QString());
    text.replace(QStringLiteral(": %1 takes at most %2 characters"), QString());
    text.replace(QStringLiteral(": %1"), QString());
    return text;
}

static QString compose(int number, const QString& detail)
{
    if (detail.isEmpty())
        return describe(number);
    auto it = table().find(number);
    if (it == table().end())
        return describe(number);
    QString text = QString::fromUtf8(it->second);
    const QStringList parts = detail.split(QChar(0x1f));
    text.replace(QStringLiteral("%1"), parts.value(0));
    text.replace(QStringLiteral("%2"), parts.value(1));
    return text;
}

Error::Error(int number, const QString& detail)
    : std::runtime_error(compose(number, detail).toStdString()), number_(number)
{
}

} // namespace platform::db
