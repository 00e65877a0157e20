#pragma once
// Opening a guide from the main window.
#include <QString>

class QWidget;

namespace guides {

// Opens the guide named formName ("frmGlasses", "frmUtensils" or "frmLiquor"): loads it if it is
// not open, shows it modeless with no owner, or brings the open one to the front with its entry
// unchanged. Returns the window, or nullptr for any other name.
QWidget* openGuide(const QString& formName);

} // namespace guides
