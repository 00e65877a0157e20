#include "app/frmSplash.h"

#include "platform/handlers.h"
#include "platform/windowparts.h"
#include "app/frmMain.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/geometry.h"
#include "platform/msgbox.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace app {

namespace {

using platform::twips::place;

const QString kLogo = QStringLiteral(":/art/app/logo.svg");
const QString kIcon = QStringLiteral(":/art/app/icon.svg");

// A label that takes the size of its one line of text, with its top left corner at (left, top).
void sizeToText(platform::Label* label, int left, int top)
{
    label->setWordWrap(false);
    platform::twips::move(label, left, top);
    label->adjustSize();
}

} // namespace

frmSplash::frmSplash()
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::Dialog);
    // No caption: a single space, for the desktop puts the program's name in an empty title.
    setWindowTitle(QStringLiteral(" "));
    platform::twips::setClientSize(this, 7485, 4740);

    QGroupBox* fraMainFrame = platform::makeFrame(this, QStringLiteral("fraMainFrame"), QString());
    place(fraMainFrame, 60, 0, 7380, 4590);

    auto* lblThanks = platform::makeLabel(fraMainFrame, QStringLiteral("lblThanks"), QStringLiteral("Thank You For Using Zestrel."),
                                platform::font(QStringLiteral("Arial"), 9.75, true));
    lblThanks->setColors(QColor(255, 0, 0));
    platform::placeLabel(lblThanks, 270, 120, 6855, 795);

    auto* Picture1 = platform::makePicture(fraMainFrame, QStringLiteral("Picture1"), kLogo, QSize(212, 89), true);
    platform::twips::move(Picture1, 2340, 1140);
    auto* picLogo = platform::makePicture(fraMainFrame, QStringLiteral("picLogo"), kIcon, QSize(32, 32), true);
    platform::twips::move(picLogo, 1320, 1500);

    sizeToText(platform::makeLabel(fraMainFrame, QStringLiteral("lblProductName"), QStringLiteral("Zestrel"),
                         platform::font(QStringLiteral("Arial"), 24, true)),
               2400, 2580);
    auto* lblPlatform = platform::makeLabel(fraMainFrame, QStringLiteral("lblPlatform"), QStringLiteral("Windows 95/98"),
                                  platform::font(QStringLiteral("Arial"), 15.75, true));
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    sizeToText(lblPlatform, 5040, 3300);
    auto* lblVersion = platform::makeLabel(fraMainFrame, QStringLiteral("lblVersion"), QStringLiteral("Version 2.1"),
                                 platform::font(QStringLiteral("Arial"), 12, true));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    sizeToText(lblVersion, 5520, 3660);
    const QFont small = platform::font(QStringLiteral("Arial"), 8.25);
    platform::placeLabel(platform::makeLabel(fraMainFrame, QStringLiteral("lblCopyright"), QStringLiteral("Copyright"), small),
                    5040, 4020, 915, 255);
    platform::placeLabel(platform::makeLabel(fraMainFrame, QStringLiteral("lblCompany"), QStringLiteral("Zestrel Team 2026"), small),
                    5040, 4260, 1155, 255);

    QGroupBox* Frame1 = platform::makeFrame(fraMainFrame, QStringLiteral("Frame1"),
                                            QStringLiteral(" Where Would You Like To Go? "));
    place(Frame1, 660, 3360, 4275, 1035);
    auto* Picture3 = platform::makePicture(Frame1, QStringLiteral("Picture3"), kIcon, QSize(32, 32), false);
    platform::twips::move(Picture3, 2340, 300);

    // Placed in the main frame over Frame1's area, right of Picture3.
    QPushButton* cmdStart = platform::makeCommandButton(fraMainFrame, QStringLiteral("cmdStart"), QStringLiteral("Start"),
                                                   3540, 3780, 1275, 315);
    platform::connectHandler(cmdStart, &QPushButton::clicked, this, &frmSplash::cmdStart_Click);
    cmdStart->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30000);
    Timer1->setTimerType(Qt::PreciseTimer);   // the nag comes at 30, 60, 90 ... seconds
    platform::connectHandler(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();

    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void frmSplash::Timer1_Timer()
{
    platform::msgbox::show(QStringLiteral("Well, let's go! I don't have all day!"));
}

void frmSplash::cmdStart_Click()
{
    // The nag stops first: the main window's load can show a message that waits for the user.
    Timer1->stop();
    platform::forms::unload(this);
    // Loads the main window (its construction is its load) and shows it modeless, with no owner.
    platform::forms::open(QStringLiteral("frmMain"), [] { return new frmMain; });
}

} // namespace app
