#include "guides/liquor.h"

namespace guides {

const Definition& liquor()
{
    static const Definition definition = [] {
        struct Liquor {
            QString key;            // the suffix of every control name of the entry, and its art
            QString caption;
            int top;                // the label and its marker
            int pictureWidth, pictureHeight;
            int pictureLeft, pictureTop;
            QString text;           // the description's resource: both wines share one article
        };
        const QList<Liquor> table = {
            {"Bourbon", "Bourbon", 1560, 150, 242, 4800, 1440, "Bourbon"},
            {"Brandy", "Brandy", 1920, 120, 215, 5040, 1560, "Brandy"},
            {"Gin", "Gin", 2280, 77, 160, 5640, 1920, "Gin"},
            {"Rum", "Rum", 2640, 80, 259, 7320, 1440, "Rum"},
            {"Scotch", "Scotch", 3000, 54, 200, 5760, 1680, "Scotch"},
            {"Tequila", "Tequila", 3360, 74, 282, 7320, 1440, "Tequila"},
            {"Vodka", "Vodka", 3720, 120, 243, 5040, 1440, "Vodka"},
            {"Whiskey", "Whiskey", 4080, 160, 180, 4680, 1920, "Whiskey"},
            {"RedWine", "Red Wine", 4440, 64, 187, 5400, 1800, "Wine"},
            {"WhiteWine", "White Wine", 4800, 64, 197, 5400, 1800, "Wine"},
        };
        const QColor grey(224, 224, 224);
        const QColor blue(0, 0, 255);

        Definition d{
            .formName = "frmLiquor", .title = "Liquors", .width = 9480, .height = 6795,
            .heading = label("Label1",
                             "The following Liquors are needed to properly prepare the drinks in Zestrel",
                             1860, 360, 6375, 855, grey, 13.5),
            .close = button("cmdClose", "Close", 7320, 5880, 1092, 312),
            .shownAtOpening = "lblBourbon"};
        for (const Liquor& l : table) {
            d.entries << Entry{
                label("lbl" + l.key, l.caption, 2520, l.top, 1695, 315, grey, 9.75),
                {picture("pic" + l.key, ":/art/liquor/" + l.key + ".svg",
                         QSize(l.pictureWidth, l.pictureHeight), l.pictureLeft, l.pictureTop),
                 textBox("txt" + l.key, ":/guides/liquor/" + l.text + ".txt", 360, 5160, 6615, 1575),
                 marker("pic" + l.key + "Marker", 2160, l.top, 255, 255, blue)}};
        }
        return d;
    }();
    return definition;
}

} // namespace guides
