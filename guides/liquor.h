#pragma once
// The liquor guide: ten liquor names, each showing the bottle's picture, the description and a
// marker beside the chosen name.
#include "guides/guidewindow.h"

namespace guides {

const Definition& liquor();

class frmLiquor : public GuideWindow {
    Q_OBJECT
public:
    frmLiquor() : GuideWindow(liquor()) {}

public slots:
    void lblBourbon_Click() { select(QStringLiteral("lblBourbon")); }
    void lblBrandy_Click() { select(QStringLiteral("lblBrandy")); }
    void lblGin_Click() { select(QStringLiteral("lblGin")); }
    void lblRum_Click() { select(QStringLiteral("lblRum")); }
    void lblScotch_Click() { select(QStringLiteral("lblScotch")); }
    void lblTequila_Click() { select(QStringLiteral("lblTequila")); }
    void lblVodka_Click() { select(QStringLiteral("lblVodka")); }
    void lblWhiskey_Click() { select(QStringLiteral("lblWhiskey")); }
    void lblRedWine_Click() { select(QStringLiteral("lblRedWine")); }
    void lblWhiteWine_Click() { select(QStringLiteral("lblWhiteWine")); }
};

} // namespace guides
