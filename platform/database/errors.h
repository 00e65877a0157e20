#pragma once
// Every failure the database engine reports: a number and its standard description.
#include <QString>
#include <stdexcept>

namespace platform::db {

enum ErrorNumber : int {
    NoOpenRecordset = 91,
    InvalidPattern = 93,
    FileNotFound = 3024,
    NotValidPassword = 3031,
    CannotOpenFile = 3051,
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
    EngineFailure = 3000,
};

// The standard description of an error number, without any detail.
QString describe(int number);

class Error : public std::runtime_error {
public:
    Error(int number, const QString& detail = QString());
    int number() const { return number_; }
    // The standard description, with the detail (a file or field name) where it has one.
    QString description() const { return QString::fromUtf8(what()); }

private:
    int number_;
};

} // namespace platform::db
