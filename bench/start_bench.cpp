// "Start" on the splash to the main window on screen with its first recipe, in the process as
// the user's press runs it, beside the least work for the same recipe (the file opened with the
// SQLCipher C API and its first row read); then the peak resident memory with the window open.
//   start_bench RUNS      (the catalogue is the one the data folder holds)
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "catalogue/schema.h"
#include "memory.h"
#include "platform/application.h"
#include "platform/database/connection.h"
#include "platform/forms.h"
#include "platform/paths.h"
#include <QWindow>
#include <algorithm>
#include "timing.h"
#include <cstdio>


int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    std::vector<double> start, floor;
    for (int i = 0; i < runs; ++i) {
        auto* splash = static_cast<app::frmSplash*>(platform::forms::open(QStringLiteral("frmSplash"), [] { return new app::frmSplash; }));
        QCoreApplication::processEvents();
        const auto t0 = Clock::now();
        splash->cmdStart_Click();
        QWidget* main = platform::forms::openWindows().value(0);
        while (!main->windowHandle() || !main->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents(); // the first paint
        start.push_back(ms(t0, Clock::now()));
        platform::forms::unload(main);
        QCoreApplication::processEvents();

        const auto f0 = Clock::now();
        platform::db::Connection db(platform::paths::resolve(catalogue::kDatabasePath), catalogue::kConnect);
        platform::db::Statement first(db.handle(), QStringLiteral("SELECT * FROM drinklst ORDER BY zkey LIMIT 1"));
        if (first.step())
            for (int c = 0; c < first.columnCount(); ++c)
                (void)first.text(c);
        floor.push_back(ms(f0, Clock::now()));
    }
    const double s = median(start), f = median(floor);
    std::printf("| \"Start\" to the main window exposed with its first recipe (median of %d); floor: open the file, read the first row | %.1f | %.1f | %.2f |\n",
                runs, s, f, f > 0 ? s / f : 0);
    std::printf("| peak resident memory with the main window open | %ld KiB | | |\n", memoryKiB("VmHWM"));
    return 0;
}
