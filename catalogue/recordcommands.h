#pragma once
// What the recipe view and the collection windows do alike with the rows of their data
// control: the moving and editing commands, the record caption and the data error message.
// A row-set failure is thrown (platform::db::Error) for the window to report its own way.
#include <QString>

namespace platform {
class DataControl;
}

namespace catalogue::records {

// "Previous": the beginning message before the first row (the position stays), else one back.
void previous(platform::DataControl& data);
// "Next": the end message after the last row (the position stays), else one on.
void next(platform::DataControl& data);
// "Delete": deletes the current row at once and shows the one that followed it, or the new
// last row when it was the last; with stepBack, a delete that leaves the position after the
// end steps back first. Deleting the only row re-opens the list, empty.
void deleteCurrent(platform::DataControl& data, bool stepBack);
// "Update": saves the bound boxes into the current row (or inserts a new one) and keeps the
// saved row current.
void update(platform::DataControl& data);

// The record caption: prefix and the current position plus one (0 off the rows); with no row
// set or no position the caption keeps its text.
void showPosition(platform::DataControl& data, const QString& prefix);
// The data control's own failures: "Data error event hit err:" and the description; the data
// control shows nothing more.
void reportError(int number, int& response);

} // namespace catalogue::records
