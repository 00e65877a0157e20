#pragma once
// The glassware guide: seventeen glass buttons, each showing the glass's picture, its name and
// its description.
#include "guides/guidewindow.h"

namespace guides {

const Definition& glasses();

class frmGlasses : public GuideWindow {
    Q_OBJECT
public:
    frmGlasses() : GuideWindow(glasses()) {}

public slots:
    void cmdBeerMug_Click() { select(QStringLiteral("cmdBeerMug")); }
    void cmdBrandySnifter_Click() { select(QStringLiteral("cmdBrandySnifter")); }
    void cmdBeerPilsner_Click() { select(QStringLiteral("cmdBeerPilsner")); }
    void cmdChampagneFlute_Click() { select(QStringLiteral("cmdChampagneFlute")); }
    void cmdCocktail_Click() { select(QStringLiteral("cmdCocktail")); }
    void cmdCoffeeMug_Click() { select(QStringLiteral("cmdCoffeeMug")); }
    void cmdCollins_Click() { select(QStringLiteral("cmdCollins")); }
    void cmdgoblet_Click() { select(QStringLiteral("cmdgoblet")); }
    void cmdHighball_Click() { select(QStringLiteral("cmdHighball")); }
    void cmdOldFashioned_Click() { select(QStringLiteral("cmdOldFashioned")); }
    void cmePousseCafe_Click() { select(QStringLiteral("cmePousseCafe")); }
    void cmdPunchCup_Click() { select(QStringLiteral("cmdPunchCup")); }
    void cmdRedWine_Click() { select(QStringLiteral("cmdRedWine")); }
    void cmdSherry_Click() { select(QStringLiteral("cmdSherry")); }
    void cmdShotGlass_Click() { select(QStringLiteral("cmdShotGlass")); }
    void cmdWhiskeySour_Click() { select(QStringLiteral("cmdWhiskeySour")); }
    void cmdWhiteWine_Click() { select(QStringLiteral("cmdWhiteWine")); }
};

} // namespace guides
