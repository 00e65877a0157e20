// The main window's placement between runs: the outer corner and the outer size, in twips, under
// Settings. Opening and closing without touching the window stores exactly what was read.
#include "app/frmMain.h"

#include "platform/commonbars.h"
#include "platform/geometry.h"
#include "platform/screens.h"
#include "platform/settings.h"

#include <QMenuBar>

#include <cmath>

namespace app {

namespace {

const QString kApp = QStringLiteral("Zestrel");
const QString kSection = QStringLiteral("Settings");

// In the order they are read and saved: left, top, width, height.
const char* const kKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
const frmMain::Placement kDefaults = {1000, 1000, 6500, 6500};

QString stored(int i) { return platform::settings::get(kApp, kSection, QLatin1String(kKeys[i]), QString()); }

// A stored value in twips; the key's default when the text is not a number, or not one a
// window can take (a width or height must be positive).
float storedTwips(int i)
{
    bool ok = false;
    const float twips = stored(i).toFloat(&ok);
    const bool size = i >= 2;
    if (!ok || !std::isfinite(twips) || std::fabs(twips) > 1.0e8f || (size && twips < platform::twips::perPixel))
        return kDefaults[i];
    return twips;
}

QRect pixels(const frmMain::Placement& twips)
{
    int px[4];
    for (int i = 0; i < 4; ++i)
        px[i] = int(std::lround(twips[i] / platform::twips::perPixel));
    return QRect(px[0], px[1], px[2], px[3]);
}

} // namespace

void frmMain::applyPlacement()
{
    // The placement of the last run. One that would put the window on no screen at all (a monitor
    // that is gone) is not used: the window opens at the defaults, where the user can see it.
    // With none stored, the window opens large enough to show the whole recipe.
    for (int i = 0; i < 4; ++i)
        readPlacement_[i] = storedTwips(i);
    QRect frame = pixels(readPlacement_);
    if (!platform::screens::onSomeScreen(frame)) {
        readPlacement_ = kDefaults;
        frame = pixels(kDefaults);
    }
    if (!stored(2).isNull() || !stored(3).isNull()) {
        platform::screens::setFrameGeometry(this, platform::screens::clamp(frame));
        return;
    }
    frame.setSize(fittingSize()); // the size inside the frame that the recipe view needs
    frame = platform::screens::clamp(frame);
    move(frame.topLeft());
    resize(frame.size());
}

QSize frmMain::fittingSize() const
{
    const QWidget* client = centralWidget();
    QRect used;
    for (const QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != tbToolBar && child != sbStatusBar && child->isVisibleTo(client))
            used |= child->geometry();
    }
    // The recipe's own margin on its left is kept on its right and below it too.
    const int margin = std::max(used.left(), 0);
    return QSize(used.right() + 1 + margin,
                 menuBar()->sizeHint().height() + used.bottom() + 1 + margin + sbStatusBar->sizeHint().height());
}

void frmMain::savePlacement()
{
    // A value the window still has is stored as it was read; the others from the window's frame.
    // Maximized, these are the maximized bounds, and the next start opens normal at them.
    const QRect frame = frameGeometry();
    const QRect read = pixels(readPlacement_);
    const int now[4] = {frame.x(), frame.y(), frame.width(), frame.height()};
    const int atRead[4] = {read.x(), read.y(), read.width(), read.height()};
    for (int i = 0; i < 4; ++i) {
        const float twips = now[i] == atRead[i] ? readPlacement_[i] : float(platform::twips::fromPixels(now[i]));
        platform::settings::save(kApp, kSection, QLatin1String(kKeys[i]), QString::number(twips));
    }
}

} // namespace app
