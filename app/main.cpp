// Zestrel starts with its splash window and nothing else when its command line asks for nothing
// more (app/commandline); --export, --import and --backup run without a window. A start while
// Zestrel runs brings the running window forward instead. While the splash waits for "Start", a
// first start on an account without the recipe database installs the supplied one, the first
// start of a day backs the recipes up, and the recipe file is opened for the main window.
#include "app/commandline.h"
#include "app/frmSplash.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "catalogue/supplied.h"
#include "platform/application.h"
#include "platform/commandline.h"
#include "platform/forms.h"

#include <QCoreApplication>

using app::frmSplash;

int main(int argc, char** argv)
{
    const app::commandline::Request request = app::commandline::read(platform::commandline::arguments(argc, argv));
    if (request.action == app::commandline::Request::Action::Exit)
        return request.exitCode;
    if (request.action != app::commandline::Request::Action::Start) {
        QCoreApplication core(argc, argv);
        platform::setApplicationIdentity();
        app::startup::installSupplied(catalogue::supplied::folder());
        return app::commandline::perform(request);
    }
    platform::Application app(argc, argv);
    app::SingleInstance instance;
    if (!instance.claim())
        return 0;
    platform::forms::open(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    const auto besideSplash = app::startup::beginBesideSplash();
    return app.exec();
}
