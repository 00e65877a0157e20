#pragma once
// The collection browser window: one row at a time of a side table, the nine command buttons,
// the data control datPrimaryRS and the bound txtFields, shaped by a collection definition.
#include "extras/collections.h"
#include "extras/sidewindow.h"

namespace platform {
class DataControl;
class PictureBox;
class TextBox;
}

namespace extras {

class CollectionWindow : public SideWindow {
    Q_OBJECT
public:
    // Builds the window named definition.formName and lets its data control open the record
    // source; a failure to open is reported through datPrimaryRS_Error.
    explicit CollectionWindow(const CollectionDefinition& definition);

public slots:
    void cmdBegofFile_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdEndofList_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdRefresh_Click();
    void cmdUpdate_Click();
    void cmdClose_Click();

    void datPrimaryRS_Error(int number, int& response);
    void datPrimaryRS_Reposition();
    void datPrimaryRS_Validate(int& action, bool& save);

    // The unload step; it acts only in the windows with the busy cursor.
    void Form_Unload();
    // frmMedia: the film strip for "Movie", the television set for "TV".
    void txtType_Change();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addHeading(const Heading& heading);
    void addButtons();
    void addFields();
    void addCategoryPictures();
    void restoreCursor();
    template<class F> void command(F&& f);

    const CollectionDefinition& definition_;
    platform::DataControl* datPrimaryRS_;
    platform::TextBox* txtType_ = nullptr;
    platform::PictureBox* Picture1_ = nullptr;
    platform::PictureBox* picTv_ = nullptr;
};

} // namespace extras
