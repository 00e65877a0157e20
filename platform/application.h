#pragma once
// The application object: identity for settings and data paths, the default window font, and
// the rule that a failure reaching an event handler is shown to the user instead of ending the
// program.
#include "platform/msgbox.h"

#include <QApplication>
#include <stdexcept>

namespace platform {

inline const QString organisationName = QStringLiteral("Zestrel");

// Organisation "Zestrel", application "Zestrel" (the application title): QSettings and
// QStandardPaths need both.
void setApplicationIdentity();

// Base of the failures that are reported to the user; what() is the description, in UTF-8.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
    explicit Failure(const QString& description) : std::runtime_error(description.toStdString()) {}
};

// Puts the normal cursor back and shows the failure's description in a message box with the
// application title.
void report(const std::exception& e);

class Application : public QApplication {
public:
    // Sets the identity and makes the window default font (MS Sans Serif 8.25 pt) the
    // application font.
    Application(int& argc, char** argv);
    // Delivers the event; a std::exception thrown by the handler (or a slot it runs, such as
    // one connected to clicked()) is reported and the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs f, reporting a std::exception it throws; for code that runs outside an event delivery.
template<class F>
void guarded(F&& f)
{
    try {
        std::forward<F>(f)();
    } catch (const std::exception& e) {
        report(e);
    }
}

} // namespace platform
