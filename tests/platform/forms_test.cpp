// The list of open windows: load order, one instance per name, unload and reopen.
#include "platform/forms.h"
#include "tests/common/testmain.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>

namespace {

int windowsMade = 0;

// A window that counts its close handler runs and can refuse to close.
template<class Base>
class Window : public Base {
public:
    explicit Window(const QString& name)
    {
        Base::setObjectName(name);
        ++windowsMade;
    }
    bool refuse = false;
    int closeRuns = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRuns;
        if (refuse)
            event->ignore();
        else
            Base::closeEvent(event);
    }
};

using Plain = Window<QWidget>;

QWidget* openPlain(const QString& name)
{
    return platform::forms::open(name, [&] { return new Plain(name); });
}

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* w : platform::forms::openWindows()) {
            if (auto* plain = dynamic_cast<Plain*>(w))
                plain->refuse = false;
            w->close();
        }
        runDeferredDeletes();
        QVERIFY(platform::forms::openWindows().isEmpty());
    }

    void loadOrderAndSingleInstance()
    {
        QWidget* main = openPlain("frmMain");
        QWidget* glasses = openPlain("frmGlasses");
        const int made = windowsMade;

        QCOMPARE(openPlain("frmMain"), main);
        QCOMPARE(windowsMade, made);
        QCOMPARE(platform::forms::openWindows(), (QList<QWidget*>{main, glasses}));
        QCOMPARE(platform::forms::find("frmGlasses"), glasses);
        QCOMPARE(platform::forms::find("frmLiquor"), nullptr);

        // Shown modeless, as a window of its own.
        QVERIFY(glasses->isVisible());
        QVERIFY(glasses->isWindow());
        QCOMPARE(glasses->parentWidget(), nullptr);
        QCOMPARE(glasses->windowModality(), Qt::NonModal);
        QVERIFY(glasses->testAttribute(Qt::WA_DeleteOnClose));

        // A window built without a name gets the form name.
        QWidget* unnamed = platform::forms::open("frmUtensils", [] { return new QWidget; });
        QCOMPARE(unnamed->objectName(), QString("frmUtensils"));
        QCOMPARE(platform::forms::find("frmUtensils"), unnamed);
    }

    void unloadRemovesAtOnceAndReopenIsFresh()
    {
        QWidget* main = openPlain("frmMain");
        QPointer<QWidget> joke = openPlain("frmJoke");
        QWidget* cards = openPlain("frmCards");

        platform::forms::unload(joke);
        QCOMPARE(platform::forms::openWindows(), (QList<QWidget*>{main, cards}));
        QCOMPARE(static_cast<Plain*>(joke.data())->closeRuns, 1);
        QVERIFY(joke);                     // deleted later, not during the unload
        runDeferredDeletes();
        QVERIFY(!joke);

        const int made = windowsMade;
        QWidget* again = openPlain("frmJoke");
        QCOMPARE(windowsMade, made + 1);
        QCOMPARE(platform::forms::openWindows(), (QList<QWidget*>{main, cards, again}));
    }

    void refusedCloseKeepsTheWindow()
    {
        auto* stubborn = static_cast<Plain*>(openPlain("frmToasting"));
        stubborn->refuse = true;
        QPointer<QWidget> guard = stubborn;

        platform::forms::unload(stubborn);
        runDeferredDeletes();
        QVERIFY(guard);
        QVERIFY(stubborn->isVisible());
        QCOMPARE(platform::forms::openWindows(), QList<QWidget*>{stubborn});
        QCOMPARE(stubborn->closeRuns, 1);
    }

    void mainWindowsAndDialogsLeaveWhenClosedOrDestroyed()
    {
        auto* main = new Window<QMainWindow>("frmMain");
        auto* dialog = new Window<QDialog>("frmAbout");
        auto* plain = new Plain("frmDice");
        for (QWidget* w : {static_cast<QWidget*>(main), static_cast<QWidget*>(dialog),
                           static_cast<QWidget*>(plain)}) {
            platform::forms::track(w);
            w->show();
        }
        platform::forms::track(main);     // tracking twice lists it once
        QCOMPARE(platform::forms::openWindows().size(), 3);

        QPointer<QWidget> dialogGuard = dialog;
        QVERIFY(dialog->close());         // as by its close box
        QCOMPARE(dialog->closeRuns, 1);
        QCOMPARE(platform::forms::openWindows(), (QList<QWidget*>{main, plain}));
        runDeferredDeletes();
        QVERIFY(!dialogGuard);

        delete plain;
        QCOMPARE(platform::forms::openWindows(), QList<QWidget*>{main});
        QVERIFY(main->close());
        QVERIFY(platform::forms::openWindows().isEmpty());
    }
};

ZESTREL_TEST_MAIN(FormsTest)
#include "forms_test.moc"
