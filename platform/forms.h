#pragma once
// The list of open windows in load order, and single-instance load / show / unload by name.
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace platform::forms {

// The open windows, the first loaded at index 0.
QList<QWidget*> openWindows();

// Adds the window at the end of the list (once) and sets WA_DeleteOnClose. It leaves the list
// as soon as a close of it is accepted (by close(), its close box or unload) or when it is
// destroyed. Works for any QWidget window, QMainWindow and QDialog included.
// Note: the close event reaches the window's own handler from the list's event filter, so event
// filters installed on the window before track() do not see close events.
void track(QWidget* w);

// The open window whose objectName is formName, or nullptr.
QWidget* find(const QString& formName);

// The open window named formName, or else make()'s new window (named formName when make() gave
// it no name), tracked. Either way it is shown modeless, raised and activated.
QWidget* open(const QString& formName, const std::function<QWidget*()>& make);

// Closes the window, running its close handler. If the close is accepted the window leaves the
// list at once and is deleted later; if refused it stays open and listed.
void unload(QWidget* w);

} // namespace platform::forms
