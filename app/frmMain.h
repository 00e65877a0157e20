#pragma once
// The main window: caption "Zestrel", a black client area holding the recipe view, and the
// data control Data1 over the recipe table.
#include <QMainWindow>
#include <array>
#include <functional>

class QPushButton;

namespace platform {
class DataControl;
class TextBox;
} // namespace platform

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Loads the window: builds it, then Data1 opens the recipe table (failures go to
    // Data1_Error).
    frmMain();

public slots:
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

protected:
    // The unload step: Data1 saves a pending edit and closes its row set.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRecipeView(QWidget* client);
    // Runs a button's handler on a click. A failure goes on to the application's report with
    // the arrow cursor back: the hourglass that Validate set stays otherwise, since no
    // Reposition follows a failed operation.
    void onClick(QPushButton* button, void (frmMain::*handler)());

    std::array<platform::TextBox*, 22> txtFields{};
    platform::TextBox* txtGlassname = nullptr;
    platform::DataControl* Data1 = nullptr;
};
