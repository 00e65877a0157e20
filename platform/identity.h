#pragma once
// Who the application is (the names its settings and messages go under) and the failure that
// any service reports with a description a user can read.
#include <QString>
#include <stdexcept>

namespace platform {

inline const QString organisationName = QStringLiteral("Zestrel");
// The title of every message box given no title of its own, and the settings' application name.
inline const QString applicationTitle = QStringLiteral("Zestrel");

// Names the running program so that settings and standard paths land in the application's folders.
void setApplicationIdentity();

// An operation that failed with a description for the user.
struct Failure : std::runtime_error {
    explicit Failure(const QString& description);
};

} // namespace platform
