#pragma once
// Choosing a file to open or to save (objectName "filedialog"), with a test hook that answers
// in place of the person.
#include <QString>
#include <optional>

class QWidget;

namespace platform::filedialog {

// The file chosen, or an empty text when the choice was cancelled. `filters` as Qt's file
// dialog takes them ("Recipes (*.json);;Spreadsheets (*.csv)"). Saving adds the extension of
// the chosen filter to a name that has none, and asks before an existing file is replaced.
QString open(QWidget* parent, const QString& title, const QString& filters);
QString save(QWidget* parent, const QString& title, const QString& filters);

// While set, no dialog appears and every choice is this answer (empty: cancelled). Reset with
// std::nullopt.
void setTestAnswer(std::optional<QString> answer);

} // namespace platform::filedialog
