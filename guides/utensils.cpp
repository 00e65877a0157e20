#include "guides/utensils.h"

namespace guides {

const Definition& utensils()
{
    static const Definition definition = [] {
        // The description's resource is named after its box (txtSpoon: Spoon.txt), the
        // picture's after its art.
        struct Utensil {
            QString label;
            QString caption;
            int left, top;          // the label
            QString picture;
            QString art;
            int pictureWidth, pictureHeight;
            int pictureLeft, pictureTop;
            QString text;
        };
        const QList<Utensil> table = {
            {"lblCanOpener", "Can Opener", 960, 1320, "picCanOpener", "CanOpener", 161, 200, 6360, 1440, "txtCanOpener"},
            {"lblBottleOpener", "Bottle Opener", 960, 1680, "picBottleOpener", "BottleOpener", 120, 160, 6360, 1920, "txtBottleOpener"},
            {"lblCorkscrew", "Corkscrew", 960, 2040, "picCorkscrew", "Corkscrew", 90, 214, 6600, 1320, "txtCorkscrew"},
            {"lblWaitersCorkscrew", "Waiter's Corkscrew", 960, 2400, "picWaitersScrew", "WaitersScrew", 120, 99, 6360, 2160, "txtWaitersScrew"},
            {"lblCoilrimmedStrainer", "Coil-rimmed Strainer", 960, 2760, "picStrainer", "Strainer", 150, 165, 6360, 1680, "txtCoilrimmedStrainer"},
            {"lblShaker", "Shaker", 960, 3120, "picShaker", "Shaker", 90, 180, 6600, 1560, "txtShaker"},
            {"lblStirringSpoon", "Stirring Spoon", 960, 3480, "picSpoon", "Spoon", 86, 300, 6600, 1320, "txtSpoon"},
            {"lblElectricBlender", "Electric Blender", 960, 3840, "picBlender", "Blender", 97, 121, 6480, 1920, "txtBlender"},
            {"lblLargeWoodenSpoon", "Large Wooden Spoon", 960, 4200, "picLargeWoodenSpoon", "LargeWoodenSpoon", 39, 254, 7080, 1200, "txtLargeWoodenSpoon"},
            {"lblCorrectGlasses", "Correct Glasses", 960, 4560, "picCorrectGlasses", "CorrectGlasses", 101, 150, 6360, 1920, "txtCorrectGlasses"},
            {"lblSharpKnife", "Sharp Knife", 3660, 1320, "picSharpKnife", "SharpKnife", 137, 125, 6360, 1920, "txtSharpKnife"},
            {"lblCuttingBoard", "Cutting Board", 3660, 1680, "picCuttingBoard", "CuttingBoard", 147, 87, 6360, 1920, "txtCuttingBoard"},
            {"lbl1GallonPitcher", "1 Gallon Pitcher", 3660, 2040, "pic1GallonPitcher", "1GallonPitcher", 137, 216, 6360, 1320, "txt1GallonPitcher"},
            {"lblJuicer", "Juicer", 3660, 2400, "picJuicer", "Juicer", 108, 201, 6480, 1440, "txtJuicer"},
            {"lblMeasuringCup", "Measuring Cup", 3660, 2760, "picMeasuringCup", "MeasuringCup", 100, 100, 6480, 2160, "txtMeasuringCup"},
            {"lblMeasuringSpoons", "Measuring Spoons", 3660, 3120, "picMeasuringSpoons", "MeasuringSpoons", 100, 100, 6480, 2160, "txtMeasuringSpoons"},
            {"lblJigger", "Jigger", 3660, 3480, "picjigger", "Jigger", 100, 100, 6480, 2160, "txtJigger"},
            {"lblIceBucket", "Ice Bucket", 3660, 3840, "picIceBucket", "IceBucket", 161, 164, 6360, 1680, "txtIceBucket"},
            {"lblIceTongs", "Ice Tongs", 3660, 4200, "picTongs", "Tongs", 119, 200, 6360, 1440, "txtTongs"},
        };
        const QColor grey(224, 224, 224);

        Definition d{
            .formName = "frmUtensils", .title = "Bartender Utensils", .width = 9480, .height = 6795,
            .screenPlace = QPoint(45, 225),
            .heading = label("Label1",
                             "The following utensils are needed to properly prepare the drinks in Zestrel:",
                             1560, 180, 6375, 855, grey, 13.5),
            .close = button("cmdClose", "Close", 6720, 6120, 1092, 312),
            .shownAtOpening = "lblCorkscrew"};
        for (const Utensil& u : table) {
            d.entries << Entry{
                label(u.label, u.caption, u.left, u.top, 2475, 315, grey, 9.75),
                {picture(u.picture, ":/art/utensils/" + u.art + ".svg",
                         QSize(u.pictureWidth, u.pictureHeight), u.pictureLeft, u.pictureTop),
                 textBox(u.text, ":/guides/utensils/" + u.text.mid(3) + ".txt", 960, 5040, 5295, 1575)}};
        }
        return d;
    }();
    return definition;
}

} // namespace guides
