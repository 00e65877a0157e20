#pragma once
// The files supplied with Zestrel and their installation into the user's data: the recipe
// database at its fixed path, only when no file is there (a user's own file is never
// overwritten), and the help file, which is ours and replaces an older copy. The set-up and the
// application both install through here, so that every way of starting gives the same result.
#include <QString>
#include <vector>

namespace catalogue::supplied {

enum class Outcome { Kept, Installed, Failed };

struct Step {
    QString from;
    QString target; // the file in the data root
    Outcome outcome;
};

// <prefix>/share/zestrel beside the running program's <prefix>/bin when it is installed; the
// build's folder of supplied files otherwise.
QString folder();

// Installs the database and the help file from the folder, in that order.
std::vector<Step> install(const QString& folder);

} // namespace catalogue::supplied
