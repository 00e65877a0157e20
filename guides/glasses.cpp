#include "guides/glasses.h"

namespace guides {

const Definition& glasses()
{
    static const Definition definition = [] {
        struct Glass {
            QString key;            // the suffix of the picture, caption and description names
            QString button;
            QString caption;
            int left, top;          // the button
            int pictureHeight;      // every picture is 100 pixels wide
            int pictureTop;
            int captionLeft, captionWidth;
            QString art;
        };
        const QList<Glass> table = {
            {"BeerMug", "cmdBeerMug", "Beer Mug", 1320, 1080, 100, 1440, 6360, 1215, "BeerMug"},
            {"BrandySnifter", "cmdBrandySnifter", "Brandy Snifter", 1320, 1440, 100, 1440, 6360, 1215, "BrandySnifter"},
            {"BeerPilsner", "cmdBeerPilsner", "Beer Pilsner", 1320, 1800, 150, 1080, 6360, 1215, "BeerPilsner"},
            {"ChampagneFlute", "cmdChampagneFlute", "Champagne Flute", 1320, 2160, 150, 1080, 6360, 1575, "ChampagneFlute"},
            {"Cocktail", "cmdCocktail", "Cocktail", 1320, 2520, 100, 1440, 6360, 1215, "Cocktail"},
            {"CoffeeMug", "cmdCoffeeMug", "Coffee Mug", 1320, 2880, 100, 1440, 6360, 1215, "CoffeeMug"},
            {"Collins", "cmdCollins", "Collins", 1320, 3240, 100, 1440, 6360, 1215, "Collins"},
            {"Goblet", "cmdgoblet", "Goblet", 1320, 3600, 117, 1440, 6360, 1215, "Goblet"},
            {"Highball", "cmdHighball", "Highball", 1320, 3960, 100, 1440, 6360, 1215, "Highball"},
            {"OldFashioned", "cmdOldFashioned", "Old-Fashioned", 3240, 1080, 100, 1440, 6360, 1215, "OldFashioned"},
            {"PousseCafe", "cmePousseCafe", "Pousse Cafe", 3240, 1440, 100, 1440, 6360, 1215, "PousseCafe"},
            {"PunchCup", "cmdPunchCup", "Punch Cup", 3240, 1800, 100, 1440, 6600, 1215, "PunchCup"},
            {"RedWine", "cmdRedWine", "Red Wine", 3240, 2160, 100, 1440, 6360, 1215, "RedWine"},
            {"Sherry", "cmdSherry", "Sherry", 3240, 2520, 100, 1440, 6360, 1215, "Sherry"},
            {"ShotGlass", "cmdShotGlass", "Shot Glass", 3240, 2880, 100, 1440, 6360, 1215, "Shot"},
            {"WhiskeySour", "cmdWhiskeySour", "Whiskey Sour", 3240, 3240, 100, 1440, 6360, 1215, "WhiskeySour"},
            {"WhiteWine", "cmdWhiteWine", "White Wine", 3240, 3600, 100, 1440, 6360, 1215, "WhiteWine"},
        };
        const QColor captionBack(255, 255, 192);

        Definition d{.formName = "frmGlasses", .title = "Glasses", .width = 9480, .height = 6795,
                     .close = button("cmdClose", "Close", 6660, 5160, 1092, 312),
                     .shownAtOpening = "cmdBrandySnifter"};
        for (const Glass& g : table) {
            d.entries << Entry{
                button(g.button, g.caption, g.left, g.top, 1875, 315),
                {picture("pic" + g.key, ":/art/glasses/" + g.art + ".svg", QSize(100, g.pictureHeight),
                         6360, g.pictureTop),
                 label("lbl" + g.key, g.caption, g.captionLeft, 3600, g.captionWidth, 315, captionBack),
                 textBox("txt" + g.key, ":/guides/glasses/" + g.key + ".txt", 240, 4680, 6135, 1815)}};
        }
        return d;
    }();
    return definition;
}

} // namespace guides
