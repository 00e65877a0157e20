#pragma once
// Opening the bar extras windows. Each is a single modeless window with no owner: opening one
// that is already open brings it to the front with its current row.
#include <QString>

class QWidget;

namespace extras {

// Opens the collection window named formName ("frmJoke", "frmToasting", "frmCards", "frmDice",
// "frmMoney", "frmMedia", "frmSpeech", "frmBgames"); nullptr for any other name.
QWidget* openCollection(const QString& formName);

// Opens the drinking games chooser, frmGames.
QWidget* openGames();

} // namespace extras
