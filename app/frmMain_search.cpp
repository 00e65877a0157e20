// Confining the recipe list to a category, and finding recipes by part of their name.
#include "app/formcontrols.h"
#include "app/frmMain.h"
#include "catalogue/namesearch.h"
#include "platform/controls.h"
#include "platform/datacontrol.h"
#include "platform/geometry.h"
#include "platform/msgbox.h"

#include <QPushButton>

void frmMain::buildSearch(QWidget* client)
{
    connect(app::makeCommandButton(client, QStringLiteral("cmdSearch"), QStringLiteral("Search..."), 4620, 5520, 972, 312),
            &QPushButton::clicked, this, &frmMain::cmdSearch_Click);
    txtSearchString = new platform::TextBox(client, QStringLiteral("txtSearchString"));
    QFont bold = txtSearchString->font();
    bold.setBold(true);
    txtSearchString->setFont(bold);
    platform::twips::place(txtSearchString, 5700, 5520, 2595, 315);
    cmdFindNext = app::makeCommandButton(client, QStringLiteral("cmdFindNext"), QStringLiteral("Find Next..."),
                                         8400, 5520, 972, 312);
    cmdFindNext->setEnabled(false);
    connect(cmdFindNext, &QPushButton::clicked, this, &frmMain::cmdFindNext_Click);
}

void frmMain::confine(const QString& recordSource)
{
    Data1->setRecordSource(recordSource);
    Data1->Refresh();
}

void frmMain::mnuViewAll_Click() { confine(QStringLiteral("drinklst")); }
void frmMain::mnuAperitifs_Click() { confine(QStringLiteral("Aperitifs")); }
void frmMain::mnuBeer_Click() { confine(QStringLiteral("Beer")); }
void frmMain::mnuBourbon_Click() { confine(QStringLiteral("Bourbon")); }
void frmMain::mnuBrandy_Click() { confine(QStringLiteral("Brandy")); }
void frmMain::mnuCordials_Click() { confine(QStringLiteral("Cordials")); }
void frmMain::mnuGin_Click() { confine(QStringLiteral("Gin")); }
void frmMain::mnuHot_Click() { confine(QStringLiteral("HotDrinks")); }
void frmMain::mnuNonAlcoholic_Click() { confine(QStringLiteral("NonAlcoholic")); }
void frmMain::mnuPunch_Click() { confine(QStringLiteral("Punch")); }
void frmMain::mnuRum_Click() { confine(QStringLiteral("Rum")); }
void frmMain::mnuScotch_Click() { confine(QStringLiteral("Scotch")); }
void frmMain::mnuTequila_Click() { confine(QStringLiteral("Tequila")); }
void frmMain::mnuTropical_Click() { confine(QStringLiteral("Tropical")); }
void frmMain::mnuVodka_Click() { confine(QStringLiteral("Vodka")); }
void frmMain::mnuWhiskey_Click() { confine(QStringLiteral("Whiskey")); }
void frmMain::mnuWine_Click() { confine(QStringLiteral("Wine")); }

void frmMain::cmdSearch_Click()
{
    const QString text = txtSearchString->text();
    if (text.isEmpty()) {
        platform::msgbox::show(QStringLiteral(
            "You must enter at least some of the letters of the drink that you wish to search for into the text box "
            "just to the right of the Search button."));
        return;
    }
    cmdFindNext->setEnabled(true);
    platform::db::Recordset& rs = Data1->rs();
    rs.FindFirst(catalogue::nameSearchCriteria(text));
    if (rs.NoMatch()) {
        cmdFindNext->setEnabled(false);
        platform::msgbox::show(QStringLiteral("There are no drinks that match your search"));
    }
}

void frmMain::cmdFindNext_Click()
{
    // The text in the box now, which need not be the text of the last search.
    platform::db::Recordset& rs = Data1->rs();
    if (!rs.NoMatch())
        rs.FindNext(catalogue::nameSearchCriteria(txtSearchString->text()));
    if (rs.NoMatch()) {
        cmdFindNext->setEnabled(false);
        platform::msgbox::show(QStringLiteral("There are no more drinks that match your search"));
    }
}
