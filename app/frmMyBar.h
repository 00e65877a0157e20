#pragma once
// My Bar: the shelf of canonical ingredients to tick, the drinks it makes and those one
// ingredient away, the five bottles that would add the most drinks, and the drinks that use
// given ingredients. It reads the recipe file through a connection of its own; a tick is saved at
// once. Double-click or Enter on a drink shows it in the main window.
#include "catalogue/mybar/bar.h"

#include <QWidget>
#include <memory>

class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform {
class TextBox;
namespace db {
class Connection;
}
} // namespace platform

namespace app {

class DrinkRows;

class frmMyBar : public QWidget {
    Q_OBJECT
public:
    // Opens the recipe file (brought to the current layout as the main window brings it) and
    // reads the bar. Throws platform::db::Error when the file cannot be read.
    frmMyBar();
    ~frmMyBar() override;

public slots:
    void lstShelf_ItemCheck(QTreeWidgetItem* item);
    void txtShelfFilter_Change();
    void cmdIngredientSearch_Click();
    // Double-click or Enter on a row of a drink list: that recipe in the main window.
    void lstDrinks_DblClick(const QModelIndex& index);
    // Coming forward: read the file again when another program or window wrote to it.
    void Form_Activate();

protected:
    void changeEvent(QEvent* event) override;

private:
    QListView* makeList(const QString& name, DrinkRows* rows);
    void read();
    void fillShelf();
    void showLists();

    std::unique_ptr<platform::db::Connection> db_;
    catalogue::mybar::Bar bar_;
    qint64 dataVersion_ = 0;
    QTreeWidget* lstShelf = nullptr;
    platform::TextBox* txtShelfFilter = nullptr;
    platform::TextBox* txtIngredientSearch = nullptr;
    QLabel* lblCanMake = nullptr;
    QLabel* lblOneAway = nullptr;
    DrinkRows* canMake_ = nullptr;
    DrinkRows* oneAway_ = nullptr;
    DrinkRows* buyNext_ = nullptr;
    DrinkRows* results_ = nullptr;
};

} // namespace app
