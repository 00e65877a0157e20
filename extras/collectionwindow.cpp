#include "extras/collectionwindow.h"

#include "catalogue/recordcommands.h"
#include "catalogue/schema.h"
#include "platform/handlers.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/database/errors.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>

namespace extras {

namespace {

using platform::cursor::Shape;

constexpr int kButtonSpacing = 1080;
constexpr int kDataControlHeight = 345;

struct Button {
    const char* name;
    const char* caption;
    int width, height; // 0: the definition's close button size
    void (CollectionWindow::*click)();
};

const Button kButtons[] = {
    {"cmdBegofFile", "Beginning", 972, 312, &CollectionWindow::cmdBegofFile_Click},
    {"cmdPrevious", "Previous", 972, 312, &CollectionWindow::cmdPrevious_Click},
    {"cmdNext", "Next", 972, 312, &CollectionWindow::cmdNext_Click},
    {"cmdEndofList", "End of List", 972, 312, &CollectionWindow::cmdEndofList_Click},
    {"cmdAdd", "&Add", 975, 300, &CollectionWindow::cmdAdd_Click},
    {"cmdDelete", "&Delete", 975, 300, &CollectionWindow::cmdDelete_Click},
    {"cmdRefresh", "&Refresh", 975, 300, &CollectionWindow::cmdRefresh_Click},
    {"cmdUpdate", "&Update", 975, 300, &CollectionWindow::cmdUpdate_Click},
    {"cmdClose", "&Close", 0, 0, &CollectionWindow::cmdClose_Click},
};

// The pictures of frmMedia, both hidden until a row's type shows one.
struct CategoryPicture {
    const char* name;
    const char* image;
    QSize pixels;
    Box box;
};
const CategoryPicture kFilmStrip{"Picture1", ":/art/games/filmstrip.svg", QSize(44, 101), {240, 1440, 660, 1515}};
const CategoryPicture kTelevision{"picTv", ":/art/games/tv.svg", QSize(63, 68), {120, 1680, 945, 1020}};

QString element(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace

CollectionWindow::CollectionWindow(const CollectionDefinition& definition)
    : SideWindow(definition.formName, definition.caption, definition.client.width(), definition.client.height())
    , definition_(definition)
{
    const Appearance& look = *definition.appearance;
    if (look.clientAt)
        place(this, {look.clientAt->x(), look.clientAt->y(), definition.client.width(), definition.client.height()});

    datPrimaryRS_ = new platform::DataControl(this, QStringLiteral("datPrimaryRS"));
    place(datPrimaryRS_, {0, definition.client.height() - kDataControlHeight, definition.client.width(),
                          kDataControlHeight});
    datPrimaryRS_->setDatabaseName(definition.databaseName);
    datPrimaryRS_->setConnect(catalogue::kConnect);
    datPrimaryRS_->setRecordSource(definition.recordSource);
    connect(datPrimaryRS_, &platform::DataControl::Error, this, &CollectionWindow::datPrimaryRS_Error);
    connect(datPrimaryRS_, &platform::DataControl::Reposition, this, &CollectionWindow::datPrimaryRS_Reposition);
    connect(datPrimaryRS_, &platform::DataControl::Validate, this, &CollectionWindow::datPrimaryRS_Validate);

    if (definition.heading)
        addHeading(*definition.heading);
    addFields();
    if (definition.categoryPictures)
        addCategoryPictures();
    addButtons();

    datPrimaryRS_->openOnLoad();
}

void CollectionWindow::addHeading(const Heading& h)
{
    auto* heading = new platform::Label(this, h.name, h.text);
    heading->setFont(h.font.font());
    heading->setColors(h.color, QColor(0, 0, 0));
    heading->setWordWrap(false);
    place(heading, h.box);
    // The fallback face is wider than the one the box was measured for: the heading grows to
    // the right rather than lose its end.
    heading->resize(std::max(heading->width(), heading->sizeHint().width()), heading->height());
}

void CollectionWindow::addFields()
{
    const Appearance& look = *definition_.appearance;
    for (const BoundField& f : definition_.fields) {
        if (!f.label.isEmpty()) {
            auto* label = new platform::Label(this, element("lblLabels", f.index), f.label);
            label->setFont(look.labelFont.font());
            label->setColors(look.labelColor);
            const Box& b = f.labelBox;
            const bool runsUnderBox = f.box.left > b.left && f.box.left < b.left + b.width &&
                                      f.box.top < b.top + b.height && b.top < f.box.top + f.box.height;
            if (runsUnderBox)
                platform::placeLabelBefore(label, b.left, b.top, b.width, b.height, f.box.left);
            else
                place(label, b);
        }
        auto* box = new platform::TextBox(this, element("txtFields", f.index), f.kind, f.maxLength);
        place(box, f.box);
        datPrimaryRS_->bind(box, f.column);
        platform::nameAfterLabel(box, f.label.isEmpty() ? definition_.caption : f.label);   // the joke: the window's
    }
}

void CollectionWindow::addCategoryPictures()
{
    auto* frame = platform::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral(" Catagory "));
    place(frame, {0, 1080, 1215, 2655});
    frame->hide();
    const auto addPicture = [this](const CategoryPicture& p) {
        auto* picture = new platform::PictureBox(this, QString::fromLatin1(p.name));
        place(picture, p.box);
        picture->setPicture(QString::fromLatin1(p.image), p.pixels);
        picture->hide();
        return picture;
    };
    Picture1_ = addPicture(kFilmStrip);
    picTv_ = addPicture(kTelevision);
    txtType_ = new platform::TextBox(this, QStringLiteral("txtType"));
    platform::nameAfterLabel(txtType_, frame->title());
    place(txtType_, {120, 3120, 975, 375});
    txtType_->setTextFromData(QStringLiteral("Movie")); // the initial text, not an edit
    txtType_->hide();
    datPrimaryRS_->bind(txtType_, QStringLiteral("type"));
    connect(txtType_, &platform::TextBox::Change, this, &CollectionWindow::txtType_Change);
}

void CollectionWindow::addButtons()
{
    int left = definition_.buttonLeft;
    for (const Button& b : kButtons) {
        const QSize size = b.width ? QSize(b.width, b.height) : definition_.closeButton;
        QPushButton* button = platform::makeCommandButton(this, QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                                                          left, definition_.buttonTop, size.width(), size.height());
        platform::connectHandler(button, &QPushButton::clicked, this, b.click);
        left += kButtonSpacing;
    }
}

// A data operation that fails under a command is reported like the data control's own
// failures; the window stays as the data layer left it, with the normal cursor.
template<class F> void CollectionWindow::command(F&& f)
{
    try {
        f();
    } catch (const platform::db::Error& e) {
        restoreCursor();
        int response = 0;
        datPrimaryRS_Error(e.number(), response);
    }
}

void CollectionWindow::cmdBegofFile_Click()
{
    command([this] { datPrimaryRS_->Recordset().MoveFirst(); });
}

void CollectionWindow::cmdPrevious_Click()
{
    command([this] { catalogue::records::previous(*datPrimaryRS_); });
}

void CollectionWindow::cmdNext_Click()
{
    command([this] { catalogue::records::next(*datPrimaryRS_); });
}

void CollectionWindow::cmdEndofList_Click()
{
    command([this] { datPrimaryRS_->Recordset().MoveLast(); });
}

void CollectionWindow::cmdAdd_Click()
{
    command([this] { datPrimaryRS_->Recordset().AddNew(); });
}

void CollectionWindow::cmdDelete_Click()
{
    command([this] { catalogue::records::deleteCurrent(*datPrimaryRS_, definition_.deleteStepBack); });
}

void CollectionWindow::cmdRefresh_Click()
{
    command([this] { datPrimaryRS_->Refresh(); });
}

void CollectionWindow::cmdUpdate_Click()
{
    command([this] { catalogue::records::update(*datPrimaryRS_); });
}

void CollectionWindow::cmdClose_Click()
{
    restoreCursor();
    platform::forms::unload(this);
}

void CollectionWindow::datPrimaryRS_Error(int number, int& response)
{
    catalogue::records::reportError(number, response);
}

void CollectionWindow::datPrimaryRS_Reposition()
{
    platform::cursor::set(Shape::Arrow);
    catalogue::records::showPosition(*datPrimaryRS_, definition_.prefix);
}

void CollectionWindow::datPrimaryRS_Validate(int& action, bool&)
{
    if (action == platform::db::ActionClose)
        platform::cursor::set(Shape::Arrow);
    if (definition_.busyCursor)
        platform::cursor::set(Shape::Hourglass);
}

void CollectionWindow::Form_Unload()
{
    restoreCursor();
}

void CollectionWindow::txtType_Change()
{
    if (!txtType_)
        return;
    const QString type = txtType_->text();
    if (type == QLatin1String("Movie")) {
        Picture1_->show();
        picTv_->hide();
    }
    if (type == QLatin1String("TV")) {
        picTv_->show();
        Picture1_->hide();
    }
}

void CollectionWindow::restoreCursor()
{
    if (definition_.busyCursor)
        platform::cursor::set(Shape::Arrow);
}

void CollectionWindow::closeEvent(QCloseEvent* event)
{
    datPrimaryRS_->closeOnUnload();
    Form_Unload();
    SideWindow::closeEvent(event);
}

} // namespace extras
