// The start-up window: its nag, and the two ways out of it.
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "platform/forms.h"
#include "platform/msgbox.h"
#include "tests/common/testmain.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using app::frmMain;
using app::frmSplash;

class SplashTest : public QObject {
    Q_OBJECT

    QStringList messages;
    frmSplash* splash = nullptr;

private slots:
    void init()
    {
        messages.clear();
        platform::msgbox::setTestHook([this](const platform::msgbox::Shown& m) { messages << m.title + ": " + m.text; });
        splash = static_cast<frmSplash*>(platform::forms::open("frmSplash", [] { return new frmSplash; }));
    }
    void cleanup()
    {
        platform::msgbox::setTestHook({});
        for (QWidget* w : platform::forms::openWindows())
            platform::forms::unload(w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void nagsEveryThirtySecondsWithoutRestarting()
    {
        auto* timer = splash->findChild<QTimer*>("Timer1");
        QCOMPARE(timer->interval(), 30000);
        QVERIFY(timer->isActive() && !timer->isSingleShot());
        QTest::qWait(300);
        const int remaining = timer->remainingTime();
        QVERIFY(remaining <= 29700);
        QVERIFY(QMetaObject::invokeMethod(splash, "Timer1_Timer"));
        QCOMPARE(messages, QStringList{"Zestrel: Well, let's go! I don't have all day!"});

        // A real box, dismissed at once, leaves the timer running on its old count too.
        platform::msgbox::setTestHook({});
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(QMetaObject::invokeMethod(splash, "Timer1_Timer"));
        QVERIFY(timer->isActive());
        QVERIFY(timer->remainingTime() <= remaining);
    }

    void startOpensTheMainWindowInItsPlace()
    {
        QPointer<QTimer> timer = splash->findChild<QTimer*>("Timer1");
        // The nag must not come over the main window's message while that waits for the user.
        platform::msgbox::setTestHook([&](const platform::msgbox::Shown& m) {
            messages << m.title + ": " + m.text + (timer && timer->isActive() ? " (nag still due)" : "");
        });
        QTest::mouseClick(splash->findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(timer.isNull());
        const QList<QWidget*> open = platform::forms::openWindows();
        QCOMPARE(open.size(), 1);
        QVERIFY(qobject_cast<frmMain*>(open[0]) && open[0]->isVisible() && !open[0]->parentWidget());
        // No recipe file is installed here: the main window, and only it, says so.
        QCOMPARE(messages, QStringList{"Zestrel: Data error event hit err:The database file could not be found."});
    }

    void closingItOpensNothing()
    {
        splash->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(platform::forms::openWindows().isEmpty());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
        QVERIFY(messages.isEmpty());
    }
};

ZESTREL_TEST_MAIN(SplashTest)
#include "splash_test.moc"
