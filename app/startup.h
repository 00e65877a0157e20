#pragma once
// The work a start does besides showing its windows.
#include "platform/database/ahead.h"
#include <memory>

namespace app::startup {

// Installs the supplied files that are missing from the folder `from`, as the set-up does; a file
// that cannot be installed is reported on standard error, and the main window then reports the
// database it cannot open.
void installSupplied(const QString& from);

// Begins, beside the splash while it waits for "Start": the supplied files, the day's first backup
// of the recipes, and the recipe file opened and brought to the current layout for the main
// window. The main window's opening waits for what is left of it.
std::unique_ptr<platform::db::OpenAhead> beginBesideSplash();

} // namespace app::startup
