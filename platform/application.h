#pragma once
// The application object: identity for settings and data paths, the default window font, the
// icon every window carries, and a last line of defence for a failure that escaped its handler.
#include "platform/handlers.h"
#include "platform/identity.h"

#include <QApplication>
#include <thread>

namespace platform {

// Reads the font configuration on a thread of its own while the application object connects to
// the display, so that the first window's text does not wait for it.
class FontConfigReader {
protected:
    FontConfigReader();
    ~FontConfigReader();
    void finish(); // waits until it has been read

private:
    std::thread thread_;
};

class Application : private FontConfigReader, public QApplication {
public:
    // Sets the identity and makes the window default font (MS Sans Serif 8.25 pt) the
    // application's font.
    Application(int& argc, char** argv);
    // Handlers are connected through connectHandler, so nothing should arrive here; what does is
    // written to standard error rather than let it cross the event loop.
    // The first paint of any window also sets the application's icon on every window: loading the
    // picture's renderer and drawing the icon at each size would otherwise hold up the first
    // window's appearance.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    bool iconSet_ = false;
};

} // namespace platform
