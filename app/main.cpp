// Zestrel starts with its splash window and nothing else when its command line asks for nothing
// more (app/commandline). A start while Zestrel runs brings the running window forward instead;
// a first start on an account without the recipe database installs the supplied one.
#include "app/commandline.h"
#include "app/frmSplash.h"
#include "app/singleinstance.h"
#include "catalogue/supplied.h"
#include "platform/application.h"
#include "platform/commandline.h"
#include "platform/forms.h"

#include <cstdio>

using app::frmSplash;

namespace {

// The supplied files that are missing, as the set-up installs them. A file that cannot be
// installed is reported here; the main window then reports the database it cannot open.
void installSupplied()
{
    for (const auto& step : catalogue::supplied::install(catalogue::supplied::folder())) {
        if (step.outcome == catalogue::supplied::Outcome::Failed)
            std::fprintf(stderr, "zestrel: cannot install %s as %s\n", qPrintable(step.from), qPrintable(step.target));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const app::commandline::Request request = app::commandline::read(platform::commandline::arguments(argc, argv));
    if (request.action == app::commandline::Request::Action::Exit)
        return request.exitCode;
    platform::Application app(argc, argv);
    app::SingleInstance instance;
    if (!instance.claim())
        return 0;
    installSupplied();
    platform::forms::open(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    return app.exec();
}
