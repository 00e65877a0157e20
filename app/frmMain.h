#pragma once
// The main window: caption "Zestrel", a black client area holding the recipe view, its glass
// picture and the search controls, under a menu bar, a toolbar and a status bar; the data
// control Data1 over the recipe table.
#include <QMainWindow>
#include <array>
#include <vector>

class QMenu;
class QPushButton;

namespace platform {
class DataControl;
class PictureBox;
class StatusBar;
class TextBox;
class ToolBar;
} // namespace platform

namespace app {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    using Placement = std::array<float, 4>;   // left, top, width, height in twips

    // Loads the window: builds it, runs Form_Load, then Data1 opens the recipe table (failures
    // go to Data1_Error).
    frmMain();

    // The recipe with this key (drinklst's zkey) made current in the whole list, as if the user
    // had chosen View All Drinks and moved there; the window comes forward (frmMain_search.cpp).
    void showRecipe(qint64 key);

public slots:
    // The frame (frmMain.cpp, frmMain_commands.cpp).
    void Form_Load();
    void Form_Unload();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    // Recipe files, the recipe as a PDF file and the backups (frmMain_transfer.cpp).
    void mnuExport_Click();
    void mnuImport_Click();
    void mnuSavePdf_Click();
    void mnuRestore_Click();
    void mnuUtensils_Click();
    void mnuGlasses_Click();
    void mnuStockLiquor_Click();
    void mnuToasting_Click();
    void mnuJokes_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuDrinkingGames_Click();
    void mnuMyBar_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(const QString& key);

    // Category filters and the name search (frmMain_search.cpp).
    void mnuViewAll_Click();
    void mnuAperitifs_Click();
    void mnuBeer_Click();
    void mnuBourbon_Click();
    void mnuBrandy_Click();
    void mnuCordials_Click();
    void mnuGin_Click();
    void mnuHot_Click();
    void mnuNonAlcoholic_Click();
    void mnuPunch_Click();
    void mnuRum_Click();
    void mnuScotch_Click();
    void mnuTequila_Click();
    void mnuTropical_Click();
    void mnuVodka_Click();
    void mnuWhiskey_Click();
    void mnuWine_Click();
    void cmdSearch_Click();
    void cmdFindNext_Click();

    // The recipe view (frmMain_recipeview.cpp).
    void cmdBegofFile_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdEndofList_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdRefresh_Click();
    void cmdUpdate_Click();
    void Data1_Reposition();
    void Data1_Validate(int& action, bool& save);
    void Data1_Error(int number, int& response);
    void txtGlassname_Change();

protected:
    // The unload step (Form_Unload), then Data1 saves a pending edit and closes its row set.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildBars(QWidget* client);
    void buildRecipeView(QWidget* client);
    void buildGlassPictures(QWidget* client);
    void buildSearch(QWidget* client);
    void buildKeys();
    // A category filter: Data1 re-opened over `recordSource`.
    void confine(const QString& recordSource);
    // The filter of the category whose Queries item is `menuName`.
    void confineToCategory(const QString& menuName);
    // The Queries menu's category items, after "View All Drinks".
    void addCategoryItems(QMenu* queries);
    // Runs a category's handler (menuName + "_Click") by its name.
    void runCategoryHandler(const QString& menuName);
    // The texts of txtFields 0 to 21 as shown, edits not yet saved included.
    std::array<QString, 22> shownFields() const;
    // The recipe file Data1 opens, as a real path.
    QString recipeFile() const;
    // Help contents (3) or the keyword search (261) of the application's help file.
    void showHelp(unsigned command);
    // The placement (frmMain_placement.cpp).
    void applyPlacement();
    void savePlacement();
    QSize fittingSize() const;

    std::array<platform::TextBox*, 22> txtFields{};
    platform::TextBox* txtGlassname = nullptr;
    std::vector<platform::PictureBox*> glassPictures;   // in the order the names are compared
    platform::TextBox* txtSearchString = nullptr;
    QPushButton* cmdFindNext = nullptr;
    platform::PictureBox* Picture1 = nullptr;   // measures the printed directions; never shown
    platform::DataControl* Data1 = nullptr;
    platform::ToolBar* tbToolBar = nullptr;
    platform::StatusBar* sbStatusBar = nullptr;
    Placement readPlacement_{};   // as read at load; what has not changed is stored back as it was
};

} // namespace app
