#pragma once
// What the zestrel command line asks for. With no arguments the application starts as always.
#include <QStringList>

namespace app::commandline {

struct Request {
    enum class Action {
        Start, // the splash, then the main window
        Exit, // end at once with exitCode: --help or --version answered, or a misuse reported
    };
    Action action = Action::Start;
    int exitCode = 0;
};

// Reads the arguments (the program's path first), answering --help and --version on the way.
Request read(const QStringList& arguments);

} // namespace app::commandline
