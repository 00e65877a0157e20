#include "catalogue/categories.h"

namespace catalogue {

namespace {

Category row(const char* query, const char* menuName, const char* label, const char* toolTip, int image)
{
    return {QString::fromLatin1(query), QString::fromLatin1(menuName),
            QStringLiteral("Confine Drink List To ") + QString::fromLatin1(label), QString::fromLatin1(toolTip), image};
}

} // namespace

const std::vector<Category>& categories()
{
    static const std::vector<Category> all = {
        row("Aperitifs", "mnuAperitifs", "&Aperitifs", "Aperitifs", 8),
        row("Beer", "mnuBeer", "&Beer", "Beer", 9),
        row("Bourbon", "mnuBourbon", "B&ourbon", "Bourbon", 10),
        row("Brandy", "mnuBrandy", "Bran&dy", "Brandy", 11),
        row("Cordials", "mnuCordials", "&Cordials", "Cordials", 12),
        row("Gin", "mnuGin", "&Gin", "Gin", 13),
        row("HotDrinks", "mnuHot", "&Hot Drinks", "Hot Drinks", 14),
        row("NonAlcoholic", "mnuNonAlcoholic", "&Non-Alcoholic", "Non Alcoholic", 15),
        row("Punch", "mnuPunch", "&Punch", "Punch", 16),
        row("Rum", "mnuRum", "&Rum", "Rum", 17),
        row("Scotch", "mnuScotch", "&Scotch", "Scotch", 18),
        row("Tequila", "mnuTequila", "&Tequila", "Tequila", 19),
        row("Tropical", "mnuTropical", "Tropica&l", "Tropical", 20),
        row("Vodka", "mnuVodka", "Vod&ka", "Vodka", 21),
        row("Whiskey", "mnuWhiskey", "&Whiskey", "Whiskey", 22),
        row("Wine", "mnuWine", "W&ine", "Wine", 23),
    };
    return all;
}

const Category* categoryOfMenu(const QString& menuName)
{
    for (const Category& c : categories())
        if (c.menuName == menuName)
            return &c;
    return nullptr;
}

} // namespace catalogue
