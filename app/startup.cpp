#include "app/startup.h"

#include "catalogue/schema.h"
#include "catalogue/supplied.h"
#include "catalogue/transfer/backups.h"
#include "catalogue/upgrade.h"
#include "platform/paths.h"

#include <cstdio>

namespace app::startup {

namespace {

// The day's first copy of the recipes; a file that cannot be copied is reported here and the
// main window reports it if it cannot open it either.
void backUpDaily(const QString& database)
{
    try {
        catalogue::transfer::backups::makeDaily(database);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zestrel: %s\n", e.what());
    }
}

} // namespace

void installSupplied(const QString& from)
{
    for (const auto& step : catalogue::supplied::install(from)) {
        if (step.outcome == catalogue::supplied::Outcome::Failed)
            std::fprintf(stderr, "zestrel: cannot install %s as %s\n", qPrintable(step.from), qPrintable(step.target));
    }
}

std::unique_ptr<platform::db::OpenAhead> beginBesideSplash()
{
    const QString database = platform::paths::resolve(catalogue::kDatabasePath);
    return std::make_unique<platform::db::OpenAhead>(database, catalogue::kConnect, catalogue::prepareCatalogue,
                                                     [database, from = catalogue::supplied::folder()] {
                                                         installSupplied(from);
                                                         backUpDaily(database);
                                                     });
}

} // namespace app::startup
