#pragma once
// The drinking games chooser: six pictures, each opening its game collection window.
#include "extras/sidewindow.h"

namespace extras {

class frmGames : public SideWindow {
    Q_OBJECT
public:
    frmGames();

public slots:
    void picCards_Click();
    void picCoin_Click();
    void picDice_Click();
    void picBoardGames_Click();
    void picVocal_Click();
    void picMedia_Click();
    void cmdClose_Click();
};

} // namespace extras
