#include "errors.h"
#include <QStringList>
#include <map>

namespace platform::db {

namespace {
// Each number's description with its details (%1, %2) and without them.
struct Texts {
    const char* detailed;
    const char* plain;
};

const std::map<int, Texts>& table()
{
    static const std::map<int, Texts> texts = {
        {NoOpenRecordset, {"There is no open record set; refresh the list first.", nullptr}},
        {InvalidPattern, {"The search pattern is not valid: a '[' has no closing ']'.", nullptr}},
        {FileNotFound, {"The database file '%1' could not be found.", "The database file could not be found."}},
        {NotValidPassword, {"The password is not valid for this database.", nullptr}},
        {CannotOpenFile, {"The database file '%1' could not be opened; it may be read-only or in use.",
                          "The database file could not be opened; it may be read-only or in use."}},
        {DiskFull, {"The disk that holds the database file '%1' is full; the change could not be saved. Make room on it and try again.",
                    "The disk that holds the database file is full; the change could not be saved. Make room on it and try again."}},
        {ReadOnlyFile, {"The database file '%1' can only be read here (it, its folder or its disk is read-only); the change could not be saved.",
                        "The database file can only be read here (it, its folder or its disk is read-only); the change could not be saved."}},
        {NoPermission, {"You do not have permission to use the database file '%1'.", "You do not have permission to use the database file."}},
        {NoCurrentRecord, {"There is no current record.", nullptr}},
        {SyntaxInCriteria, {"Syntax error in the search criteria: %1.", "Syntax error in the search criteria."}},
        {SourceNotFound, {"The database holds no table or query named '%1'.", "The database holds no table or query named."}},
        {UnknownField, {"The field '%1' is not part of this list.", "The field is not part of this list."}},
        {SyntaxInFrom, {"The record source '%1' is not a table, a query or a SELECT text the database understands.",
                        "The record source is not a table, a query or a SELECT text the database understands."}},
        {FieldTooSmall, {"The field is too small to accept the amount of data you attempted to add: %1 takes at most %2 characters.",
                         "The field is too small to accept the amount of data you attempted to add."}},
        {RecordDeleted, {"The record has been deleted.", nullptr}},
        {UnknownEngine, {"The connect string names an engine type, '%1', that is not known.",
                         "The connect string names an engine type, that is not known."}},
        {ChangedByOther, {"The record was changed by another user since you began to edit it; your changes were not saved. Refresh to see the current record.", nullptr}},
        {RecordLocked, {"The database is locked by another user; the record could not be saved. Try again in a moment.", nullptr}},
        {NotADatabase, {"The file '%1' is not a database in a recognised format, or it is damaged.",
                        "The file is not a database in a recognised format, or it is damaged."}},
        {UnusableLayout, {"The database file '%1' does not hold the recipe table and stored queries this program needs, and they cannot be rebuilt.",
                          "The database file does not hold the recipe table and stored queries this program needs, and they cannot be rebuilt."}},
        {TookTooLong, {"The database took too long to answer and the request was stopped: %1.",
                       "The database took too long to answer and the request was stopped."}},
        {NotAllowed, {"The database file holds a stored query or trigger that does something this program does not allow: %1.",
                      "The database file holds a stored query or trigger that does something this program does not allow."}},
        {SaveRefused, {"The database refused to save the record: %1.", "The database refused to save the record."}},
        {EngineFailure, {"The database engine reported a failure: %1.", "The database engine reported a failure."}},
    };
    return texts;
}

QString compose(int number, const QStringList& args)
{
    const auto it = table().find(number);
    if (it == table().end())
        return QStringLiteral("Unknown database error %1.").arg(number);
    const Texts& t = it->second;
    if (args.isEmpty() || args.first().isEmpty())
        return QString::fromUtf8(t.plain ? t.plain : t.detailed);
    // One pass over the text, so that a detail holding "%2" stays as it is.
    const QString text = QString::fromUtf8(t.detailed);
    return args.size() == 1 ? text.arg(args[0]) : text.arg(args[0], args.value(1));
}
} // namespace

QString describe(int number) { return compose(number, {}); }

Error::Error(int number, QStringList args)
    : std::runtime_error(compose(number, args).toStdString()), number_(number), args_(std::move(args))
{
}

} // namespace platform::db
