// What the user is told and shown: message boxes, the application-wide cursor, and failures
// that reach an event handler.
#include "platform/application.h"
#include "platform/msgbox.h"
#include "platform/cursor.h"
#include "tests/common/testmain.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using platform::msgbox::Icon;
using platform::msgbox::Shown;

class FeedbackTest : public QObject {
    Q_OBJECT

    QList<Shown> shown;

private slots:
    void init()
    {
        shown.clear();
        platform::msgbox::setTestHook([this](const Shown& s) { shown.append(s); });
    }
    void cleanup() { platform::msgbox::setTestHook({}); }

    void messagesTakeTheApplicationTitle()
    {
        platform::msgbox::show("No more drinks.");
        platform::msgbox::show("Careful", Icon::Warning, "Glasses");
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QString("No more drinks."));
        QCOMPARE(shown[0].title, QString("Zestrel"));
        QCOMPARE(shown[0].icon, Icon::None);
        QCOMPARE(shown[1].title, QString("Glasses"));
        QCOMPARE(shown[1].icon, Icon::Warning);
    }

    void questionsAreAnsweredNoUnlessTheTestSaysYes()
    {
        QVERIFY(!platform::msgbox::ask("Reload?"));
        platform::msgbox::setTestAnswer(true);
        QVERIFY(platform::msgbox::ask("Reload?"));
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].question);
        QCOMPARE(shown[0].icon, Icon::Warning);
    }

    void realBoxHasOkOnlyAndNoIcon()
    {
        platform::msgbox::setTestHook({});
        QString name, title, text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::Critical;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            name = box->objectName();
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            icon = box->icon();
            modal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        platform::msgbox::show("Last call.");
        QCOMPARE(name, QString("msgbox"));
        QVERIFY(modal);
        QCOMPARE(title, QString("Zestrel"));
        QCOMPARE(text, QString("Last call."));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void cursorIsNeverStacked()
    {
        using platform::cursor::Shape;
        QCOMPARE(platform::cursor::current(), Shape::Arrow);
        platform::cursor::set(Shape::Hourglass);
        platform::cursor::set(Shape::Hourglass);
        QCOMPARE(platform::cursor::current(), Shape::Hourglass);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QGuiApplication::restoreOverrideCursor();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);   // only one was set

        platform::cursor::set(Shape::Hourglass);
        platform::cursor::set(Shape::Arrow);
        platform::cursor::set(Shape::Arrow);
        QCOMPARE(platform::cursor::current(), Shape::Arrow);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void failureInClickedSlotBecomesAMessage()
    {
        QWidget window;
        auto* failing = new QPushButton("Fail", &window);
        auto* working = new QPushButton("Work", &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(failing);
        layout->addWidget(working);
        int worked = 0;
        platform::connectHandler(failing, &QPushButton::clicked, &window,
                                 [] { throw platform::Failure("Zutat fehlt: W\u00fcrze"); });
        QObject::connect(working, &QPushButton::clicked, [&] { ++worked; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString("Zutat fehlt: W\u00fcrze"));
        QCOMPARE(shown[0].title, QString("Zestrel"));

        // The window stays usable: other buttons work and the failing one reports again.
        QTest::mouseClick(working, Qt::LeftButton);
        QCOMPARE(worked, 1);
        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(shown.size(), 2);
        QVERIFY(window.isVisible());
    }

    void failureEscapingItsHandlerIsOnlyLogged()
    {
        // The last resort: no message box for what no handler guarded, and the loop goes on.
        QTimer::singleShot(0, [] { throw std::out_of_range("no current row"); });
        QTest::qWait(50);
        QVERIFY(shown.isEmpty());
        bool later = false;
        QTimer::singleShot(0, [&] { later = true; });
        QTRY_VERIFY(later);
    }

    void guardedReportsAndReturns()
    {
        bool ran = false;
        platform::guarded([&] { ran = true; });
        QVERIFY(ran);
        QVERIFY(shown.isEmpty());
        platform::guarded([] { throw platform::Failure("Data error"); });
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString("Data error"));
    }
};

ZESTREL_TEST_MAIN(FeedbackTest)
#include "feedback_test.moc"
