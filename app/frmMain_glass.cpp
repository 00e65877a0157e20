// The picture of the glass the shown recipe is served in, following the glass name box.
#include "app/frmMain.h"
#include "catalogue/glasspictures.h"
#include "platform/controls.h"
#include "platform/geometry.h"

namespace app {

void frmMain::buildGlassPictures(QWidget* client)
{
    for (const catalogue::GlassPicture& g : catalogue::glassPictures()) {
        auto* picture = new platform::PictureBox(client, g.box);
        // A box drawn larger than its picture has the sunken border around it.
        picture->setSunkenBorder(platform::twips::toPixels(g.width) > g.pixels.width());
        picture->setPicture(g.art, g.pixels);
        platform::twips::move(picture, catalogue::kGlassPictureLeft, g.top);
        picture->hide();
        glassPictures.push_back(picture);
    }
    connect(txtGlassname, &platform::TextBox::Change, this, &frmMain::txtGlassname_Change);
}

void frmMain::txtGlassname_Change()
{
    // Compared exactly: letter case and spaces count. A name that is no glass's leaves the
    // picture shown as it is.
    const auto& glasses = catalogue::glassPictures();
    for (size_t i = 0; i < glasses.size(); ++i) {
        if (txtGlassname->text() != glasses[i].glass)
            continue;
        for (size_t j = 0; j < glassPictures.size(); ++j)
            glassPictures[j]->setVisible(j == i);
    }
}

} // namespace app
