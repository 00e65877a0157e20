#include "extras/games.h"

#include "extras/open.h"
#include "platform/handlers.h"
#include "platform/controls.h"
#include "platform/forms.h"

#include <QPushButton>

namespace extras {

namespace {

struct Choice {
    const char* picture;
    const char* image;
    QSize pixels;
    Box box;
    const char* label;
    const char* text;
    Box labelBox;
    void (frmGames::*click)();
};

const Choice kChoices[] = {
    {"picCards", ":/art/games/cards.svg", {125, 98}, {720, 600, 1875, 1470}, "Label1", "Card Games",
     {1080, 2160, 1695, 255}, &frmGames::picCards_Click},
    {"picCoin", ":/art/games/coin.svg", {103, 95}, {3720, 720, 1545, 1425}, "Label2", "Coin Games",
     {3840, 2160, 1695, 255}, &frmGames::picCoin_Click},
    {"picDice", ":/art/games/dice.svg", {114, 89}, {6480, 840, 1710, 1335}, "Label4", "Dice Games",
     {6720, 2160, 1695, 255}, &frmGames::picDice_Click},
    {"picBoardGames", ":/art/games/board.svg", {101, 101}, {960, 3480, 1515, 1515}, "Label3", "Board Games",
     {960, 5280, 1695, 255}, &frmGames::picBoardGames_Click},
    {"picVocal", ":/art/games/vocal.svg", {135, 119}, {3360, 3360, 2025, 1785}, "Label5", "Vocal Games",
     {3720, 5280, 1695, 255}, &frmGames::picVocal_Click},
    {"picMedia", ":/art/games/media.svg", {135, 73}, {6480, 3840, 2025, 1095}, "Label6", "TV and Movie Games",
     {6240, 5280, 2535, 255}, &frmGames::picMedia_Click},
};

} // namespace

frmGames::frmGames() : SideWindow(QStringLiteral("frmGames"), QStringLiteral("Drinking Games"), 9480, 6795)
{
    const QFont labelFont = platform::font(QStringLiteral("Arial"), 12, true);
    for (const Choice& c : kChoices) {
        auto* picture = new platform::PictureBox(this, QString::fromLatin1(c.picture));
        place(picture, c.box);
        picture->setPicture(QString::fromLatin1(c.image), c.pixels);
        platform::connectHandler(picture, &platform::PictureBox::Click, this, c.click);

        auto* label = new platform::Label(this, QString::fromLatin1(c.label), QString::fromLatin1(c.text));
        label->setFont(labelFont);
        label->setColors(QColor(0, 0, 255));
        place(label, c.labelBox);
    }
    QPushButton* close = platform::makeCommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"), 3960, 6000,
                                                     1092, 312);
    platform::connectHandler(close, &QPushButton::clicked, this, &frmGames::cmdClose_Click);
}

void frmGames::picCards_Click() { openCollection(QStringLiteral("frmCards")); }
void frmGames::picCoin_Click() { openCollection(QStringLiteral("frmMoney")); }
void frmGames::picDice_Click() { openCollection(QStringLiteral("frmDice")); }
void frmGames::picBoardGames_Click() { openCollection(QStringLiteral("frmBgames")); }
void frmGames::picVocal_Click() { openCollection(QStringLiteral("frmSpeech")); }
void frmGames::picMedia_Click() { openCollection(QStringLiteral("frmMedia")); }

void frmGames::cmdClose_Click() { platform::forms::unload(this); }

} // namespace extras
