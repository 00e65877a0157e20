// Zestrel starts with its splash window and nothing else when its command line asks for nothing
// more (app/commandline); --export, --import and --backup run without a window. A start while
// Zestrel runs brings the running window forward instead; a first start on an account without
// the recipe database installs the supplied one; the first start of a day backs the recipes up.
#include "app/commandline.h"
#include "app/frmSplash.h"
#include "app/singleinstance.h"
#include "catalogue/schema.h"
#include "catalogue/supplied.h"
#include "catalogue/transfer/backups.h"
#include "platform/application.h"
#include "platform/commandline.h"
#include "platform/forms.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QTimer>

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

// The day's first copy of the recipes; a file that cannot be copied is reported here and the
// main window reports it if it cannot open it either.
void backUpDaily()
{
    try {
        catalogue::transfer::backups::makeDaily(platform::paths::resolve(catalogue::kDatabasePath));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zestrel: %s\n", e.what());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const app::commandline::Request request = app::commandline::read(platform::commandline::arguments(argc, argv));
    if (request.action == app::commandline::Request::Action::Exit)
        return request.exitCode;
    if (request.action != app::commandline::Request::Action::Start) {
        QCoreApplication core(argc, argv);
        platform::setApplicationIdentity();
        installSupplied();
        return app::commandline::perform(request);
    }
    platform::Application app(argc, argv);
    app::SingleInstance instance;
    if (!instance.claim())
        return 0;
    installSupplied();
    platform::forms::open(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    // After the splash is shown, from the event loop, so that the copy does not hold it up.
    QTimer::singleShot(0, &backUpDaily);
    return app.exec();
}
