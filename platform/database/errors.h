#pragma once
// Every failure the database engine reports: a number and its standard description.
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace platform::db {

enum ErrorNumber : int {
    NoOpenRecordset = 91,
    InvalidPattern = 93,
    FileNotFound = 3024,
    NotValidPassword = 3031,
    CannotOpenFile = 3051,
    DiskFull = 3026,
    ReadOnlyFile = 3027,
    NoPermission = 3033,
    NoCurrentRecord = 3021,
    SyntaxInCriteria = 3077,
    SourceNotFound = 3078,
    UnknownField = 3070,
    SyntaxInFrom = 3131,
    FieldTooSmall = 3163,
    RecordDeleted = 3167,
    UnknownEngine = 3170,
    ChangedByOther = 3197,
    RecordLocked = 3260,
    NotADatabase = 3343,
    SaveRefused = 3400,
    UnusableLayout = 3410,
    TookTooLong = 3420,
    NotAllowed = 3430,
    EngineFailure = 3000,
};

// The standard description of an error number, without any detail.
QString describe(int number);

// A numbered failure and the details its description names (a path, a table, a field and its
// limit), kept as data; the description is composed once, when the error is made.
class Error : public std::runtime_error {
public:
    explicit Error(int number, QStringList args = {});
    Error(int number, const QString& arg) : Error(number, QStringList{arg}) {}
    int number() const { return number_; }
    const QStringList& args() const { return args_; }
    // The standard description, with the details where it has them.
    QString description() const { return QString::fromUtf8(what()); }

private:
    int number_;
    QStringList args_;
};

} // namespace platform::db
