#pragma once
// The sixteen drink categories: each is a stored query in the database file, an item of the
// Queries menu and a button of the main window's toolbar. Everything the program knows of a
// category is in its row here.
#include <QString>
#include <vector>

namespace catalogue {

struct Category {
    QString query;      // the stored query, also the toolbar button's key ("HotDrinks")
    QString menuName;   // the Queries menu item ("mnuHot"); its handler is menuName + "_Click"
    QString caption;    // the menu item's caption, "&" before its access key
    QString toolTip;    // the toolbar button's tool tip
    int image;          // the toolbar button's picture in the image list
};

// In the order of the Queries menu and the toolbar.
const std::vector<Category>& categories();
// The category of a menu item's name; nullptr for none.
const Category* categoryOfMenu(const QString& menuName);

} // namespace catalogue
