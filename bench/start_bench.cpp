// "Start" on the splash to the main window on screen with its first recipe, in the process as
// the user's press runs it, with the start's work beside the splash begun as the program begins
// it: pressed after the splash has been on screen for 0.3 s (a quick user), and pressed the moment
// it shows. Beside it the least work for the same recipe (the file opened with the SQLCipher C API
// and its first row read); then the peak resident memory with the window open.
//   start_bench RUNS      (the catalogue is the one the data folder holds)
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "app/startup.h"
#include "catalogue/schema.h"
#include "memory.h"
#include "platform/application.h"
#include "platform/database/connection.h"
#include "platform/forms.h"
#include "platform/paths.h"
#include "timing.h"
#include <QWindow>
#include <cstdio>

namespace {

void waitExposed(QWidget* w)
{
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the first paint
}

// One start: the splash and the work beside it, "Start" pressed `pauseMs` after the splash
// shows; the time from the press to the main window's first recipe on screen.
double start(int pauseMs)
{
    auto* splash = static_cast<app::frmSplash*>(platform::forms::open(QStringLiteral("frmSplash"), [] { return new app::frmSplash; }));
    const auto besideSplash = app::startup::beginBesideSplash();
    waitExposed(splash);
    const auto until = Clock::now() + std::chrono::milliseconds(pauseMs);
    while (Clock::now() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const auto t0 = Clock::now();
    splash->cmdStart_Click();
    QWidget* main = platform::forms::openWindows().value(0);
    waitExposed(main);
    const double took = ms(t0, Clock::now());
    platform::forms::unload(main);
    QCoreApplication::processEvents();
    return took;
}

} // namespace

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    std::vector<double> quick, atOnce, floor;
    for (int i = 0; i < runs; ++i) {
        quick.push_back(start(300));
        atOnce.push_back(start(0));

        const auto f0 = Clock::now();
        platform::db::Connection db(platform::paths::resolve(catalogue::kDatabasePath), catalogue::kConnect);
        platform::db::Statement first(db.handle(), QStringLiteral("SELECT * FROM drinklst ORDER BY zkey LIMIT 1"));
        if (first.step())
            for (int c = 0; c < first.columnCount(); ++c)
                (void)first.text(c);
        floor.push_back(ms(f0, Clock::now()));
    }
    const double f = median(floor);
    const auto row = [&](const char* when, const std::vector<double>& times) {
        const double s = median(times);
        std::printf("| \"Start\" pressed %s to the main window exposed with its first recipe (median of %d); floor: open the file, read the first row | %.1f | %.1f | %.2f |\n",
                    when, runs, s, f, f > 0 ? s / f : 0);
    };
    row("0.3 s after the splash shows", quick);
    row("the moment the splash shows", atOnce);
    std::printf("| peak resident memory with the main window open | %ld KiB | | |\n", memoryKiB("VmHWM"));
    return 0;
}
