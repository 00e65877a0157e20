// Confining the recipe list to a category, and finding recipes by part of their name.
#include "platform/windowparts.h"
#include "app/frmMain.h"
#include "catalogue/categories.h"
#include "catalogue/namesearch.h"
#include "platform/handlers.h"
#include "platform/controls.h"
#include "platform/database/rowset.h"
#include "platform/datacontrol.h"
#include "platform/geometry.h"
#include "platform/msgbox.h"

#include <QPushButton>

namespace app {

void frmMain::buildSearch(QWidget* client)
{
    platform::connectHandler(
        platform::makeCommandButton(client, QStringLiteral("cmdSearch"), QStringLiteral("Search..."), 4620, 5520, 972, 312),
        &QPushButton::clicked, this, &frmMain::cmdSearch_Click);
    txtSearchString = new platform::TextBox(client, QStringLiteral("txtSearchString"));
    QFont bold = txtSearchString->font();
    bold.setBold(true);
    txtSearchString->setFont(bold);
    platform::twips::place(txtSearchString, 5700, 5520, 2595, 315);
    platform::nameAfterLabel(txtSearchString, QStringLiteral("Search..."));   // the button to its left
    cmdFindNext = platform::makeCommandButton(client, QStringLiteral("cmdFindNext"), QStringLiteral("Find Next..."),
                                         8400, 5520, 972, 312);
    cmdFindNext->setEnabled(false);
    platform::connectHandler(cmdFindNext, &QPushButton::clicked, this, &frmMain::cmdFindNext_Click);
}

void frmMain::confine(const QString& recordSource)
{
    Data1->setRecordSource(recordSource);
    Data1->Refresh();
}

void frmMain::mnuViewAll_Click() { confine(QStringLiteral("drinklst")); }

void frmMain::showRecipe(qint64 key)
{
    mnuViewAll_Click();
    platform::db::RowSet& rows = Data1->Recordset();
    rows.setBookmark(rows.bookmarkOfKey(key));
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void frmMain::confineToCategory(const QString& menuName)
{
    confine(catalogue::categoryOfMenu(menuName)->query);
}

// Each category's handler: the list confined to the category's stored query.
#define ZESTREL_CATEGORY_HANDLER(menu)                                                                                 \
    void frmMain::menu##_Click() { confineToCategory(QStringLiteral(#menu)); }
ZESTREL_CATEGORY_HANDLER(mnuAperitifs)
ZESTREL_CATEGORY_HANDLER(mnuBeer)
ZESTREL_CATEGORY_HANDLER(mnuBourbon)
ZESTREL_CATEGORY_HANDLER(mnuBrandy)
ZESTREL_CATEGORY_HANDLER(mnuCordials)
ZESTREL_CATEGORY_HANDLER(mnuGin)
ZESTREL_CATEGORY_HANDLER(mnuHot)
ZESTREL_CATEGORY_HANDLER(mnuNonAlcoholic)
ZESTREL_CATEGORY_HANDLER(mnuPunch)
ZESTREL_CATEGORY_HANDLER(mnuRum)
ZESTREL_CATEGORY_HANDLER(mnuScotch)
ZESTREL_CATEGORY_HANDLER(mnuTequila)
ZESTREL_CATEGORY_HANDLER(mnuTropical)
ZESTREL_CATEGORY_HANDLER(mnuVodka)
ZESTREL_CATEGORY_HANDLER(mnuWhiskey)
ZESTREL_CATEGORY_HANDLER(mnuWine)
#undef ZESTREL_CATEGORY_HANDLER

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
    platform::db::RowSet& rs = Data1->Recordset();
    rs.FindFirst(catalogue::nameSearchCriteria(text));
    if (rs.NoMatch()) {
        cmdFindNext->setEnabled(false);
        platform::msgbox::show(QStringLiteral("There are no drinks that match your search"));
    }
}

void frmMain::cmdFindNext_Click()
{
    // The text in the box now, which need not be the text of the last search.
    platform::db::RowSet& rs = Data1->Recordset();
    if (!rs.NoMatch())
        rs.FindNext(catalogue::nameSearchCriteria(txtSearchString->text()));
    if (rs.NoMatch()) {
        cmdFindNext->setEnabled(false);
        platform::msgbox::show(QStringLiteral("There are no more drinks that match your search"));
    }
}

} // namespace app
