#pragma once
// Starting programs and looking for files, by the paths the program's data names them with: an
// absolute path of this system ("/usr/bin/tool") or a fixed Windows path ("C:\Tools\TOOL.EXE",
// under the data root). Either may mix '\' and '/' and is matched ignoring letter case, as a
// folder from one kind of path and a file name from the other are.
#include <QString>

namespace platform::shell {

// The file on this system that `path` names.
QString localPath(const QString& path);

// Starts the program with no arguments in a process of its own that outlives ours; it opens its
// window normally and, as a newly mapped window, gets the focus. Throws platform::Failure when
// the program cannot be started (no such file, not executable).
void start(const QString& program);

// True when a regular file is at `path`.
bool fileExists(const QString& path);

} // namespace platform::shell
