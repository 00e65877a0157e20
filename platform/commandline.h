#pragma once
// The command line of Zestrel's programs, read before any application object exists, so that
// --help and --version need no display. Every program takes --help and --version, and lets the
// options of Qt's own application object (-style, -platform, ...) through to that object.
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace platform::commandline {

// The arguments as the program received them, its own path first.
QStringList arguments(int argc, char** argv);

// Adds --help and --version to the parser, which holds the program's own options, and reads the
// arguments, of which between `least` and `most` may be positional. Nothing when the program goes
// on; else the exit code once the help or the version is on standard output (0), or a misuse
// on standard error (2).
std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments, qsizetype least = 0,
                         qsizetype most = 0);

} // namespace platform::commandline
