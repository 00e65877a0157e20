#include "app/frmMain.h"

#include "platform/cursor.h"
#include "platform/datacontrol.h"
#include "platform/geometry.h"

#include <QCloseEvent>
#include <QIcon>

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zestrel"));
    setWindowIcon(QIcon(QStringLiteral(":/art/app/icon.svg")));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette black = client->palette();
    black.setColor(QPalette::Window, QColor(0, 0, 0));
    client->setPalette(black);
    setCentralWidget(client);
    buildRecipeView(client);

    // The placement used when none is stored.
    platform::twips::place(this, 1000, 1000, 6500, 6500);

    Data1->openOnLoad();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    Data1->closeOnUnload();
    // No Reposition follows the closing's Validate: the hourglass it set goes with the window.
    platform::cursor::set(platform::cursor::Shape::Arrow);
}
