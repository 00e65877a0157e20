// The recipe view of the main window: the bound text boxes, their labels, the moving and
// editing buttons, the strip of Data1, and their handlers.
#include "platform/handlers.h"
#include "platform/windowparts.h"
#include "app/frmMain.h"
#include "catalogue/recordcommands.h"
#include "catalogue/schema.h"
#include "catalogue/upgrade.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/datacontrol.h"
#include "platform/geometry.h"

#include <QPushButton>

namespace app {

using platform::TextBox;
using platform::twips::place;

namespace {

struct LabelRow {
    int index;
    const char* text;
    int left, top, width, height;
    bool bold, underline;
    QColor color;
};

const QColor kRed(255, 0, 0), kCyan(0, 255, 255), kMagenta(255, 0, 255);

const LabelRow kLabels[] = {
    {0, "Drink's Name", 240, 720, 1452, 252, true, false, kRed},
    {1, "Quantity", 720, 1080, 1095, 255, false, true, kCyan},
    {2, "Ingredient", 3600, 1080, 1335, 255, false, true, kCyan},
    {21, "Directions", 7200, 1080, 1095, 255, false, true, kCyan},
    {4, "Type of Glass", 5520, 3900, 1575, 255, true, true, kMagenta},
};

struct ButtonRow {
    const char* name;
    const char* caption;
    int left, top, width, height;
    void (frmMain::*handler)();
};

const ButtonRow kButtons[] = {
    {"cmdBegofFile", "&Beginning", 120, 5100, 972, 312, &frmMain::cmdBegofFile_Click},
    {"cmdPrevious", "&Previous", 1200, 5100, 972, 312, &frmMain::cmdPrevious_Click},
    {"cmdNext", "&Next", 2280, 5100, 972, 312, &frmMain::cmdNext_Click},
    {"cmdEndofList", "&End of List", 3360, 5100, 972, 312, &frmMain::cmdEndofList_Click},
    {"cmdAdd", "&Add", 120, 5520, 975, 300, &frmMain::cmdAdd_Click},
    {"cmdDelete", "&Delete", 1200, 5520, 975, 300, &frmMain::cmdDelete_Click},
    {"cmdRefresh", "&Refresh", 2280, 5520, 975, 300, &frmMain::cmdRefresh_Click},
    {"cmdUpdate", "&Update", 3360, 5520, 975, 300, &frmMain::cmdUpdate_Click},
};

// The column shown by txtFields(index).
QString columnOf(int index)
{
    if (index == 0)
        return QStringLiteral("DrinkName");
    if (index == 21)
        return QStringLiteral("Directions");
    return QStringLiteral("%1%2").arg(index % 2 ? QStringLiteral("Qty") : QStringLiteral("Ing")).arg((index + 1) / 2);
}

// The label text that names txtFields(index) for a screen reader: the name's or the directions'
// own label, or the column's heading with the line's number ("Quantity 3", "Ingredient 3").
QString labelOf(int index)
{
    const auto text = [](int label) {
        for (const LabelRow& row : kLabels)
            if (row.index == label)
                return QString::fromUtf8(row.text);
        return QString();
    };
    if (index == 0 || index == 21)
        return text(index);
    return QStringLiteral("%1 %2").arg(text(index % 2 ? 1 : 2)).arg((index + 1) / 2);
}

} // namespace

void frmMain::buildRecipeView(QWidget* client)
{
    Data1 = new platform::DataControl(client, QStringLiteral("Data1"));
    Data1->setDatabaseName(catalogue::kDatabasePath);
    Data1->setConnect(catalogue::kConnect);
    Data1->setOpenStep(catalogue::prepareCatalogue); // the file is brought to the current layout as it opens
    Data1->setRecordSource(QStringLiteral("drinklst"));
    Data1->setCaption(QStringLiteral("Drink# 0"));
    place(Data1, 0, 5895, 9480, 345);
    connect(Data1, &platform::DataControl::Error, this, &frmMain::Data1_Error);
    connect(Data1, &platform::DataControl::Reposition, this, &frmMain::Data1_Reposition);
    connect(Data1, &platform::DataControl::Validate, this, &frmMain::Data1_Validate);

    for (const LabelRow& row : kLabels) {
        auto* label = new platform::Label(client, QStringLiteral("lblLabels(%1)").arg(row.index),
                                          QString::fromUtf8(row.text));
        label->setFont(platform::font(QStringLiteral("MS Sans Serif"), 9.75, row.bold, false, row.underline));
        label->setColors(row.color, QColor(0, 0, 0));
        platform::placeLabel(label, row.left, row.top, row.width, row.height);
    }

    // Created in index order, which is also the order of the Tab key.
    for (int i = 0; i < int(txtFields.size()); ++i) {
        const bool directions = i == 21;
        auto* box = new TextBox(client, QStringLiteral("txtFields(%1)").arg(i),
                                directions ? TextBox::Kind::MultiLine : TextBox::Kind::SingleLine,
                                directions ? 0 : catalogue::kTextLimit);
        const int line = (i + 1) / 2 - 1; // ingredient line N - 1
        if (i == 0)
            place(box, 1740, 720, 7635, 285);
        else if (directions)
            place(box, 5220, 1440, 4155, 1575);
        else if (i % 2)
            place(box, 120, 1440 + 360 * line, 1932, 285);
        else
            place(box, 2400, 1440 + 360 * line, 2655, 285);
        Data1->bind(box, columnOf(i));
        platform::nameAfterLabel(box, labelOf(i));
        txtFields[size_t(i)] = box;
    }
    txtGlassname = new TextBox(client, QStringLiteral("txtGlassname"));
    txtGlassname->setFont(platform::font(QStringLiteral("Arial"), 12, false, true));
    txtGlassname->setText(QStringLiteral("Test Glass"));
    txtGlassname->setEdited(false);
    place(txtGlassname, 5220, 4260, 2055, 405);
    Data1->bind(txtGlassname, QStringLiteral("Glass"));
    platform::nameAfterLabel(txtGlassname, QString::fromUtf8(kLabels[4].text));

    for (const ButtonRow& row : kButtons)
        platform::connectHandler(platform::makeCommandButton(client, QString::fromUtf8(row.name), QString::fromUtf8(row.caption),
                                                             row.left, row.top, row.width, row.height),
                                 &QPushButton::clicked, this, row.handler);
}

void frmMain::cmdBegofFile_Click()
{
    Data1->Recordset().MoveFirst();
}

void frmMain::cmdPrevious_Click()
{
    catalogue::records::previous(*Data1);
}

void frmMain::cmdNext_Click()
{
    catalogue::records::next(*Data1);
}

void frmMain::cmdEndofList_Click()
{
    Data1->Recordset().MoveLast();
}

void frmMain::cmdAdd_Click()
{
    Data1->Recordset().AddNew();
}

void frmMain::cmdDelete_Click()
{
    catalogue::records::deleteCurrent(*Data1, true);
}

void frmMain::cmdRefresh_Click()
{
    Data1->Refresh();
}

void frmMain::cmdUpdate_Click()
{
    catalogue::records::update(*Data1);
}

void frmMain::Data1_Reposition()
{
    platform::cursor::set(platform::cursor::Shape::Arrow);
    catalogue::records::showPosition(*Data1, QStringLiteral("Drink# "));
}

void frmMain::Data1_Validate(int&, bool&)
{
    platform::cursor::set(platform::cursor::Shape::Hourglass);
}

void frmMain::Data1_Error(int number, int& response)
{
    catalogue::records::reportError(number, response);
}

} // namespace app
