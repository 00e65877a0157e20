#pragma once
// The utensils guide: nineteen utensil names, each showing the utensil's picture and description.
#include "guides/guidewindow.h"

namespace guides {

const Definition& utensils();

class frmUtensils : public GuideWindow {
    Q_OBJECT
public:
    frmUtensils() : GuideWindow(utensils()) {}

public slots:
    void lblCanOpener_Click() { select(QStringLiteral("lblCanOpener")); }
    void lblBottleOpener_Click() { select(QStringLiteral("lblBottleOpener")); }
    void lblCorkscrew_Click() { select(QStringLiteral("lblCorkscrew")); }
    void lblWaitersCorkscrew_Click() { select(QStringLiteral("lblWaitersCorkscrew")); }
    void lblCoilrimmedStrainer_Click() { select(QStringLiteral("lblCoilrimmedStrainer")); }
    void lblShaker_Click() { select(QStringLiteral("lblShaker")); }
    void lblStirringSpoon_Click() { select(QStringLiteral("lblStirringSpoon")); }
    void lblElectricBlender_Click() { select(QStringLiteral("lblElectricBlender")); }
    void lblLargeWoodenSpoon_Click() { select(QStringLiteral("lblLargeWoodenSpoon")); }
    void lblCorrectGlasses_Click() { select(QStringLiteral("lblCorrectGlasses")); }
    void lblSharpKnife_Click() { select(QStringLiteral("lblSharpKnife")); }
    void lblCuttingBoard_Click() { select(QStringLiteral("lblCuttingBoard")); }
    void lbl1GallonPitcher_Click() { select(QStringLiteral("lbl1GallonPitcher")); }
    void lblJuicer_Click() { select(QStringLiteral("lblJuicer")); }
    void lblMeasuringCup_Click() { select(QStringLiteral("lblMeasuringCup")); }
    void lblMeasuringSpoons_Click() { select(QStringLiteral("lblMeasuringSpoons")); }
    void lblJigger_Click() { select(QStringLiteral("lblJigger")); }
    void lblIceBucket_Click() { select(QStringLiteral("lblIceBucket")); }
    void lblIceTongs_Click() { select(QStringLiteral("lblIceTongs")); }
};

} // namespace guides
