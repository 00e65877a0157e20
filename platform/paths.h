#pragma once
// Fixed Windows-style paths mapped onto files under the per-user data root.
#include <QString>

namespace platform::paths {

// QStandardPaths::AppDataLocation; XDG_DATA_HOME moves it.
QString dataRoot();

// "C:\windows\system\Zestrel.mdb" -> <dataRoot>/drive_c/windows/system/Zestrel.mdb.
// The drive letter ignores case and names the folder drive_<letter> (a path without one is on
// drive C). '\' and '/' both separate; "." and empty components are skipped, ".." goes up but
// never above the drive. Each component is matched ignoring case against what exists on disk
// (an exact match first, else the first match in name order); from the first component that
// exists in no form on, the rest is kept as written.
QString resolve(const QString& windowsPath);
// The same matching for a path relative to a folder of this system ("/" for an absolute path).
QString underIgnoringCase(const QString& root, const QString& relative);

} // namespace platform::paths
