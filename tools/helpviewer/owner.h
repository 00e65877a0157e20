#pragma once
// A viewer that the application started closes when the application ends, however it ends.
#include <QtGlobal>

namespace helpviewer {

// Ends the event loop once the process ends. False when the process has ended already; a
// process that cannot be watched leaves the viewer open, as one started on its own.
bool quitWithProcess(qint64 pid);

} // namespace helpviewer
