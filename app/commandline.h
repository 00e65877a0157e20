#pragma once
// What the zestrel command line asks for. With no arguments the application starts as always;
// --export, --import and --backup do their work on the recipe database with no window.
#include "catalogue/transfer/recipefile.h"

#include <QStringList>

namespace app::commandline {

struct Request {
    enum class Action {
        Start, // the splash, then the main window
        Exit, // end at once with exitCode: --help or --version answered, or a misuse reported
        Export, // every recipe to `file`, in `format`
        Import, // the recipes of `file`
        Backup, // one more copy of the database in its backups folder
    };
    Action action = Action::Start;
    int exitCode = 0;
    QString file;
    catalogue::transfer::Format format = catalogue::transfer::Format::Json;
};

// Reads the arguments (the program's path first), answering --help and --version on the way.
Request read(const QStringList& arguments);

// Does an Export, Import or Backup: a one-line summary on standard output and 0, or the reason
// on standard error and 1. Needs an application object (for the per-user folders).
int perform(const Request& request);

} // namespace app::commandline
