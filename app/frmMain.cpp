#include "app/frmMain.h"

#include "catalogue/schema.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/geometry.h"
#include "platform/help.h"
#include "platform/windowparts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>


namespace app {

namespace {

// The help viewer installed beside the program, else the one this build made.
QString helpViewer()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/zestrel-help");
    const QString built = QStringLiteral(ZESTREL_HELP_VIEWER);
    return QFileInfo::exists(beside) || !QFileInfo::exists(built) ? beside : built;
}

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zestrel"));
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

    applyPlacement();
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
