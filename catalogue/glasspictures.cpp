#include "catalogue/glasspictures.h"

namespace catalogue {

const std::vector<GlassPicture>& glassPictures()
{
    static const std::vector<GlassPicture> table = [] {
        const QSize square(100, 100), tall(100, 150);
        const auto art = [](const char* name) { return QStringLiteral(":/art/glasses/%1.svg").arg(QLatin1String(name)); };
        return std::vector<GlassPicture>{
            {"Cocktail", "picCocktail", art("Cocktail"), square, 3840, 1560, 1560},
            {"Collins", "picCollins", art("Collins"), square, 3840, 1560, 1560},
            {"Shot", "picShot", art("Shot"), square, 3840, 1560, 1560},
            {"Highball", "picHighball", art("Highball"), square, 3840, 1560, 1560},
            {"Old-Fashioned", "picOldFashioned", art("OldFashioned"), square, 3840, 1560, 1560},
            {"Beer Mug", "picBeerMug", art("BeerMug"), square, 3840, 1560, 1560},
            {"Beer Pilsner", "picBeerPilsner", art("BeerPilsner"), tall, 3120, 1560, 2310},
            {"Irish Coffee", "picIrishcoffeecup", art("IrishCoffee"), square, 3840, 1560, 1560},
            {"Pousse Cafe", "picPousseCafe", art("PousseCafe"), square, 3840, 1560, 1560},
            {"Parfait", "picParfait", art("Parfait"), QSize(75, 75), 3840, 1125, 1125},
            {"Red Wine", "picRedWine", art("RedWine"), square, 3840, 1560, 1560},
            {"White Wine", "picWhiteWine", art("WhiteWine"), square, 3840, 1560, 1560},
            {"Sherry", "picSherry", art("Sherry"), square, 3840, 1560, 1560},
            {"Champagne Flute", "picChampagne", art("ChampagneFlute"), tall, 3120, 1560, 2310},
            {"Brandy Snifter", "picBrandySnifter", art("BrandySnifter"), square, 3840, 1560, 1560},
            {"Pony", "picPony", art("Pony"), square, 3840, 1560, 1560},
            {"Whiskey Sour", "picWhiskeySour", art("WhiskeySour"), square, 3840, 1500, 1500},
            {"Punch Cup", "picPunchCup", art("PunchCup"), square, 3480, 1560, 1560},
            {"Coffee Mug", "picCoffeeMug", art("CoffeeMug"), square, 3480, 1560, 1560},
            {"Goblet", "picGoblet", art("Goblet"), QSize(100, 117), 3360, 1560, 1815},
        };
    }();
    return table;
}

} // namespace catalogue
