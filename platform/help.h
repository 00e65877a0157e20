#pragma once
// The help engine: opens the application's help file in the help viewer, a program of its own
// shipped beside the application (zestrel-help). The first call starts the viewer; later calls
// reach the running viewer, which comes forward and switches to the requested view. The viewer
// reports a missing or unreadable help file itself.
#include "platform/helpchannel.h"

#include <QString>
#include <functional>

class QWidget;

namespace platform::help {

using channel::Command;   // Quit (2), Contents (3), PartialKey (261)

// The application's help file, a fixed Windows path ("C:\Windows\System\zestrel.hlp") that
// platform/paths resolves; empty until set.
void setHelpFile(const QString& windowsPath);
QString helpFile();

// Contents shows the contents; PartialKey shows the keyword search with the keyword typed in
// (an empty keyword: the search, ready for typing); Quit closes a running viewer and starts
// none. The window is the caller's; the viewer is a window of its own. Throws platform::Failure
// when the viewer cannot be started, or for another command.
void call(QWidget* window, const QString& helpFile, unsigned command, const QString& keyword);

// What call() was given.
struct Call {
    QWidget* window;
    QString helpFile;
    unsigned command;
    QString keyword;
};
// While a hook is set, call() only hands its arguments to the hook. Reset with {}.
void setTestHook(std::function<void(const Call&)> hook);

// The viewer program: the one the application named, else the one beside the running executable.
QString viewerProgram();
// Names the viewer program; an empty path returns to the one beside the executable.
void setViewerProgram(const QString& path);

} // namespace platform::help
