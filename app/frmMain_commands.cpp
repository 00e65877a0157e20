// The frame of the main window: the menu bar, the toolbar and the status bar, the routing of
// their commands, and the side windows they open.
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmMyBar.h"
#include "catalogue/categories.h"
#include "catalogue/printout.h"
#include "extras/open.h"
#include "guides/open.h"
#include "platform/commonbars.h"
#include "platform/forms.h"
#include "platform/handlers.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"

#include <QMenuBar>
#include <stdexcept>

namespace app {

namespace {

struct MenuRow {
    const char* name;
    const char* caption;        // "-": a separator
    const char* parent;         // nullptr: the menu bar
    void (frmMain::*command)(); // nullptr (and not a separator): a menu of its own
    const char* shortcut = nullptr;
    bool checked = false;
};

// The menu bar in order; a menu's items follow it.
const MenuRow kMenus[] = {
    {"mnuFile", "&File", nullptr, nullptr},
    {"mnuFilePrint", "&Print...", "mnuFile", &frmMain::mnuFilePrint_Click, "Ctrl+P"},
    {"mnuFileBar4", "-", "mnuFile", nullptr},
    {"mnuExport", "&Export Recipes...", "mnuFile", &frmMain::mnuExport_Click},
    {"mnuImport", "&Import Recipes...", "mnuFile", &frmMain::mnuImport_Click},
    {"mnuSavePdf", "Save Recipe as P&DF...", "mnuFile", &frmMain::mnuSavePdf_Click},
    {"mnuRestore", "&Restore Backup...", "mnuFile", &frmMain::mnuRestore_Click},
    {"mnuFileBar5", "-", "mnuFile", nullptr},
    {"mnuFileExit", "E&xit", "mnuFile", &frmMain::mnuFileExit_Click, "Ctrl+Q"},
    {"mnuView", "&View", nullptr, nullptr},
    {"mnuSupplies", "&Supplies", "mnuView", nullptr},
    {"mnuUtensils", "Utensils", "mnuSupplies", &frmMain::mnuUtensils_Click},
    {"mnuViewDataBar1", "-", "mnuSupplies", nullptr},
    {"mnuGlasses", "Glasses", "mnuSupplies", &frmMain::mnuGlasses_Click},
    {"mnuViewSupplies2", "-", "mnuSupplies", nullptr},
    {"mnuStockLiquor", "Liquor", "mnuSupplies", &frmMain::mnuStockLiquor_Click},
    {"mnuLiquor2", "-", "mnuView", nullptr},
    {"mnuToasting", "Toasting", "mnuView", &frmMain::mnuToasting_Click},
    {"mnuJokes", "Bar Jokes", "mnuView", &frmMain::mnuJokes_Click},
    {"mnuViewBar1", "-", "mnuView", nullptr},
    {"mnuViewToolbar", "&Toolbar", "mnuView", &frmMain::mnuViewToolbar_Click, nullptr, true},
    {"mnuViewStatusBar", "Status &Bar", "mnuView", &frmMain::mnuViewStatusBar_Click, nullptr, true},
    {"mnuViewBar2", "-", "mnuView", nullptr},
    {"mnuDrinkingGames", "Drinking Games...", "mnuView", &frmMain::mnuDrinkingGames_Click},
    {"mnuMyBar", "My Bar...", "mnuView", &frmMain::mnuMyBar_Click, "Ctrl+B"},
    {"mnuQueries", "&Queries", nullptr, nullptr},
    {"mnuViewAll", "&View All Drinks", "mnuQueries", &frmMain::mnuViewAll_Click},
    // The sixteen categories follow here, from catalogue::categories().
    {"mnuHelp", "&Help", nullptr, nullptr},
    {"mnuHelpContents", "&Contents", "mnuHelp", &frmMain::mnuHelpContents_Click, "F1"},
    {"mnuHelpSearch", "Search for help on...", "mnuHelp", &frmMain::mnuHelpSearch_Click},
    {"mnuHelpBar1", "-", "mnuHelp", nullptr},
    {"mnuHelpAbout", "&About Zestrel...", "mnuHelp", &frmMain::mnuHelpAbout_Click},
};

struct ToolbarRow {
    const char* key;            // nullptr: a separator
    const char* toolTip;
    int image;
    void (frmMain::*command)();
};

const ToolbarRow kToolbar[] = {
    {"Print", "Print", 1, &frmMain::mnuFilePrint_Click},
    {nullptr, nullptr, 0, nullptr},
    {"Utensils", "Utensils", 2, &frmMain::mnuUtensils_Click},
    {"Glasses", "Glasses", 4, &frmMain::mnuGlasses_Click},
    {"Liquor", "Liquor", 5, &frmMain::mnuStockLiquor_Click},
    {nullptr, nullptr, 0, nullptr},
    {"DrinkingGames", "Drinking Games", 6, &frmMain::mnuDrinkingGames_Click},
    {nullptr, nullptr, 0, nullptr},
    {"Help", "Help", 7, &frmMain::mnuHelpContents_Click},
    {nullptr, nullptr, 0, nullptr},
    {"ViewAll", "View All Drinks", 24, &frmMain::mnuViewAll_Click},
    // The sixteen categories follow, from catalogue::categories().
};

constexpr int kImages = 24;   // image 3 is drawn but used by no button

// A checked item hides its bar and loses its mark; an unchecked one shows the bar and gets it.
void showOrHide(QAction* item, QWidget* bar)
{
    const bool shown = item->isChecked();
    bar->setVisible(!shown);
    item->setChecked(!shown);
}

} // namespace

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : kMenus) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        QMenu* parent = row.parent ? menus.value(QString::fromLatin1(row.parent)) : nullptr;
        QAction* item = nullptr;
        if (caption == u'-') {
            item = parent->addSeparator();
        } else if (!row.command) {
            QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(name);
            menus.insert(name, menu);
            item = menu->menuAction();
        } else {
            item = parent->addAction(caption);
            if (row.shortcut)
                item->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            item->setCheckable(row.checked);
            item->setChecked(row.checked);
            const auto command = row.command;
            platform::connectHandler(item, &QAction::triggered, this, [this, item, command] {
                // A checkable item has flipped its mark already; the command sets it itself.
                if (item->isCheckable())
                    item->setChecked(!item->isChecked());
                (this->*command)();
            });
        }
        item->setObjectName(name);
        if (name == u"mnuViewAll")
            addCategoryItems(parent);
    }
}

void frmMain::addCategoryItems(QMenu* queries)
{
    for (const catalogue::Category& c : catalogue::categories()) {
        QAction* item = queries->addAction(c.caption);
        item->setObjectName(c.menuName);
        const QString menuName = c.menuName;
        platform::connectHandler(item, &QAction::triggered, this, [this, menuName] { runCategoryHandler(menuName); });
    }
}

void frmMain::runCategoryHandler(const QString& menuName)
{
    const QByteArray handler = (menuName + QStringLiteral("_Click")).toLatin1();
    if (!QMetaObject::invokeMethod(this, handler.constData()))
        throw std::logic_error("the main window has no handler " + handler.toStdString());
}

void frmMain::buildBars(QWidget* client)
{
    QStringList art;
    for (int i = 1; i <= kImages; ++i)
        art << QStringLiteral(":/art/toolbar/%1.svg").arg(i, 2, 10, QLatin1Char('0'));
    auto* imlIcons = new platform::ImageList(this, QStringLiteral("imlIcons"), art);

    tbToolBar = new platform::ToolBar(client, QStringLiteral("tbToolBar"), imlIcons);
    for (const ToolbarRow& row : kToolbar) {
        if (row.key)
            tbToolBar->addButton(QString::fromLatin1(row.key), QString::fromLatin1(row.toolTip), row.image);
        else
            tbToolBar->addSeparator();
    }
    for (const catalogue::Category& c : catalogue::categories())
        tbToolBar->addButton(c.query, c.toolTip, c.image);
    platform::connectHandler(tbToolBar, &platform::ToolBar::ButtonClick, this, &frmMain::tbToolBar_ButtonClick);

    using Style = platform::StatusBar::Style;
    sbStatusBar = new platform::StatusBar(client, QStringLiteral("sbStatusBar"));
    const QString choose = QStringLiteral("Choose Your Drink");
    const QString remember = QStringLiteral("Remember...Don't Drink & Drive !");
    sbStatusBar->addPanel(Style::Text, 1755, choose, choose);
    sbStatusBar->addPanel(Style::Text, 4560, remember, remember);
    sbStatusBar->addPanel(Style::Date, 1440);
    sbStatusBar->addPanel(Style::Time, 1440);
}

void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    for (const ToolbarRow& row : kToolbar) {
        if (row.key && key == QLatin1String(row.key)) {
            (this->*row.command)();
            return;
        }
    }
    for (const catalogue::Category& c : catalogue::categories()) {
        if (key == c.query) {
            runCategoryHandler(c.menuName);
            return;
        }
    }
}

void frmMain::mnuViewToolbar_Click()
{
    showOrHide(findChild<QAction*>(QStringLiteral("mnuViewToolbar")), tbToolBar);
}

void frmMain::mnuViewStatusBar_Click()
{
    showOrHide(findChild<QAction*>(QStringLiteral("mnuViewStatusBar")), sbStatusBar);
}

void frmMain::mnuUtensils_Click() { guides::openGuide(QStringLiteral("frmUtensils")); }
void frmMain::mnuGlasses_Click() { guides::openGuide(QStringLiteral("frmGlasses")); }
void frmMain::mnuStockLiquor_Click() { guides::openGuide(QStringLiteral("frmLiquor")); }
void frmMain::mnuToasting_Click() { extras::openCollection(QStringLiteral("frmToasting")); }
void frmMain::mnuJokes_Click() { extras::openCollection(QStringLiteral("frmJoke")); }
void frmMain::mnuDrinkingGames_Click() { extras::openGames(); }

void frmMain::mnuMyBar_Click()
{
    platform::forms::open(QStringLiteral("frmMyBar"), [] { return new frmMyBar(); });
}

std::array<QString, 22> frmMain::shownFields() const
{
    std::array<QString, 22> fields;
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i] = txtFields[i]->text();
    return fields;
}

void frmMain::mnuFilePrint_Click() { catalogue::printRecipe(shownFields(), *Picture1); }

void frmMain::mnuHelpContents_Click()
{
    showHelp(platform::help::Command::Contents);
}

void frmMain::mnuHelpSearch_Click()
{
    showHelp(platform::help::Command::PartialKey);
}

void frmMain::showHelp(unsigned command)
{
    const QString file = platform::help::helpFile();
    if (file.isEmpty()) {
        platform::msgbox::show(
            QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."),
            platform::msgbox::Icon::Information, windowTitle());
        return;
    }
    // The keyword is empty: the search opens ready for typing.
    platform::guarded([&] { platform::help::call(this, file, command, QString()); });
}
void frmMain::mnuHelpAbout_Click()
{
    frmAbout box(this);
    box.exec();
}

} // namespace app
