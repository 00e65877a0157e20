#include "app/frmMain.h"

#include "catalogue/schema.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/geometry.h"
#include "platform/help.h"
#include "platform/settings.h"
#include "platform/windowparts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

const QString kApp = QStringLiteral("Zestrel");
const QString kSection = QStringLiteral("Settings");

struct PlacementKey {
    const char* key;
    float defaultTwips;
};
// In the order they are read and saved: left, top, width, height.
const PlacementKey kPlacement[] = {{"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 6500}, {"MainHeight", 6500}};

// A stored value in twips; the key's default when the text is not a number, or not one a
// window can take (a width or height must be positive).
float storedTwips(const PlacementKey& k, bool size)
{
    const QString text = platform::settings::get(kApp, kSection, QLatin1String(k.key),
                                                 QString::number(k.defaultTwips));
    bool ok = false;
    const float twips = text.toFloat(&ok);
    if (!ok || !std::isfinite(twips) || std::fabs(twips) > 1.0e8f || (size && twips < platform::twips::perPixel))
        return k.defaultTwips;
    return twips;
}

// The window's outer corner and size in pixels, from the stored values or the defaults.
QRect placement(bool stored)
{
    int pixels[4];
    for (int i = 0; i < 4; ++i) {
        const float twips = stored ? storedTwips(kPlacement[i], i >= 2) : kPlacement[i].defaultTwips;
        pixels[i] = int(std::lround(twips / platform::twips::perPixel));
    }
    return QRect(pixels[0], pixels[1], pixels[2], pixels[3]);
}

// The help viewer installed beside the program, else the one this build made.
QString helpViewer()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/zestrel-help");
    const QString built = QStringLiteral(ZESTREL_HELP_VIEWER);
    return QFileInfo::exists(beside) || !QFileInfo::exists(built) ? beside : built;
}

bool onSomeScreen(const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* s) { return s->geometry().intersects(frame); });
}

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zestrel"));
    setWindowIcon(QIcon(QStringLiteral(":/art/app/icon.svg")));
    setContextMenuPolicy(Qt::PreventContextMenu);

    auto* client = new platform::BlackArea;
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    buildRecipeView(client);
    buildGlassPictures(client);
    buildSearch(client);
    // The printed directions are wrapped to this box's width, in the window font.
    Picture1 = new platform::PictureBox(client, QStringLiteral("Picture1"));
    platform::twips::place(Picture1, 0, 0, 4155, 375);
    Picture1->hide();
    buildMenus();
    buildBars(client);
    buildKeys();

    Form_Load();
    Data1->openOnLoad();
}

void frmMain::Form_Load()
{
    platform::help::setHelpFile(catalogue::kHelpPath);
    platform::help::setViewerProgram(helpViewer());

    // The placement of the last run. One that would put the window on no screen at all (a monitor
    // that is gone) is not used: the window opens at the defaults, where the user can see it.
    QRect frame = placement(true);
    if (!onSomeScreen(frame))
        frame = placement(false);
    move(frame.topLeft());
    resize(frame.size());
}

void frmMain::Form_Unload()
{
    // Every other open window, the most recently opened first; the main window is the first.
    const QList<QWidget*> open = platform::forms::openWindows();
    for (qsizetype i = open.size() - 1; i >= 1; --i) {
        if (open[i] != this)
            platform::forms::unload(open[i]);
    }
    if (!isMinimized())
        savePlacement();
}

void frmMain::savePlacement()
{
    // Left and top are the window's outer corner; width and height its size inside the
    // desktop's frame, as move() and resize() take them back. Maximized, these are the
    // maximized bounds, and the next start opens normal at them.
    const int values[4] = {x(), y(), width(), height()};
    for (int i = 0; i < 4; ++i)
        platform::settings::save(kApp, kSection, QLatin1String(kPlacement[i].key),
                                 QString::number(float(platform::twips::fromPixels(values[i]))));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
    Data1->closeOnUnload();
    // No Reposition follows the closing's Validate: the hourglass it set goes with the window.
    platform::cursor::set(platform::cursor::Shape::Arrow);
}

void frmMain::mnuFileExit_Click()
{
    platform::forms::unload(this);
}

} // namespace app
