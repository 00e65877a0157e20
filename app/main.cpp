// Zestrel starts with its splash window and nothing else when its command line asks for nothing
// more (app/commandline).
#include "app/commandline.h"
#include "app/frmSplash.h"
#include "platform/application.h"
#include "platform/commandline.h"
#include "platform/forms.h"

using app::frmSplash;

int main(int argc, char** argv)
{
    const app::commandline::Request request = app::commandline::read(platform::commandline::arguments(argc, argv));
    if (request.action == app::commandline::Request::Action::Exit)
        return request.exitCode;
    platform::Application app(argc, argv);
    platform::forms::open(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    return app.exec();
}
