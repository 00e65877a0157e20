// Shows the games chooser, a game window and the jokes or toasts window on the supplied
// content, placed apart, for a look at both window families under a virtual display (no window
// manager places them). Arguments: [game form [jokes or toasts form]].
#include "extras/open.h"
#include "platform/application.h"
#include "tools/look/supplied.h"

#include <QTemporaryDir>
#include <QWidget>

int main(int argc, char** argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    platform::Application app(argc, argv);
    installSuppliedCatalogue();

    // The game window of the arguments (default frmMedia) and the jokes or toasts window.
    const QStringList args = app.arguments().mid(1);
    const QString game = args.value(0, QStringLiteral("frmMedia"));
    extras::openCollection(args.value(1, QStringLiteral("frmJoke"))); // at its own place, top left
    extras::openGames()->move(0, 540);
    QWidget* window = extras::openCollection(game);
    window->move(650, 540);
    QMetaObject::invokeMethod(window, "cmdNext_Click"); // frmMedia: on to a row with a picture
    return app.exec();
}
