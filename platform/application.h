#pragma once
// The application object: identity for settings and data paths, the default window font, and a
// last line of defence for a failure that escaped its handler.
#include "platform/handlers.h"
#include "platform/identity.h"

#include <QApplication>

namespace platform {

class Application : public QApplication {
public:
    // Sets the identity and makes the window default font (MS Sans Serif 8.25 pt) the
    // application's font.
    Application(int& argc, char** argv);
    // Handlers are connected through connectHandler, so nothing should arrive here; what does is
    // written to standard error rather than let it cross the event loop.
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform
