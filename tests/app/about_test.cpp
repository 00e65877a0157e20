// The About box: what it shows, how it finds and starts the System Information tool through
// the registry, and how it closes.
#include "app/frmAbout.h"
#include "platform/geometry.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "tests/common/markerscript.h"
#include "tests/common/testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using app::frmAbout;

using namespace platform::registry;

namespace {
const QString kUnavailable = "System Information Is Unavailable At This Time";
const QString kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kToolFolder = "C:\\Program Files\\Common Files\\MSInfo";
} // namespace

class AboutTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    QWidget owner;
    QStringList messages;

    QString marker(const QString& name) const { return scratch.filePath(name); }

    // key 1's PATH, as written
    static void registerPath(const QString& path)
    {
        QVERIFY(setValue(sysInfoKey, sysInfoPathValue, REG_SZ, stringData(path)));
    }
    // key 2's folder, and a program in it that leaves `markerName` when started
    void registerFolder(const QString& programName, const QString& markerName)
    {
        QVERIFY(setValue(kLocationKey, "MSINFO", REG_SZ, stringData(kToolFolder)));
        const QString folder = platform::paths::resolve(kToolFolder);
        QVERIFY(testing::writeMarkerScript(folder + "/" + programName, marker(markerName)));
    }

    // Presses "System Info..." on a box shown over its owner; the box is still open afterwards.
    void pressSysInfo()
    {
        frmAbout box(&owner);
        box.show();
        QTest::mouseClick(box.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QVERIFY(box.isVisible());
    }

private slots:
    void initTestCase()
    {
        owner.setGeometry(120, 90, 560, 420);   // within the 800 x 600 offscreen screen
        owner.show();
        platform::msgbox::setTestHook([this](const platform::msgbox::Shown& m) { messages << m.title + ": " + m.text; });
    }
    void init()
    {
        messages.clear();
        QFile::remove(storeFile());
        QDir(platform::paths::dataRoot() + "/drive_c").removeRecursively();
    }

    void showsTheVersionCentredOnItsOwner()
    {
        frmAbout box(&owner);
        QCOMPARE(box.windowTitle(), QString("About Zestrel"));
        QCOMPARE(box.findChild<QLabel*>("lblVersion")->text(), QString("Version 2.1.0"));
        QVERIFY(box.findChild<QLabel*>("lblTitle")->text().startsWith("Zestrel   "));
        for (const char* name : {"Picture1", "picIcon", "lblDisclaimer", "Line1", "cmdOK", "cmdSysInfo"})
            QVERIFY2(box.findChild<QWidget*>(name), name);
        QVERIFY(box.findChild<QPushButton*>("cmdOK")->isDefault());

        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.isModal());
        const QSize client(platform::twips::toPixels(5685), platform::twips::toPixels(4020));
        QCOMPARE(box.size(), client);
        QCOMPARE(box.minimumSize(), client);
        QCOMPARE(box.maximumSize(), client);
        QVERIFY((box.geometry().center() - owner.geometry().center()).manhattanLength() <= 2);
    }

    void theRegisteredPathIsStartedAsItIs()
    {
        QVERIFY(testing::writeMarkerScript(scratch.filePath("bin/sysinfo"), marker("key1")));
        registerPath(scratch.filePath("bin/sysinfo"));
        pressSysInfo();
        QTRY_VERIFY(QFile::exists(marker("key1")));
        QVERIFY(messages.isEmpty());

        // Not looked for first: a registered path that does not start is the end of it, even
        // with a program in the second location.
        registerPath(scratch.filePath("bin/gone"));
        registerFolder("MSINFO32.EXE", "key2");
        pressSysInfo();
        QCOMPARE(messages, QStringList{"Zestrel: " + kUnavailable});
        QTest::qWait(300);
        QVERIFY(!QFile::exists(marker("key2")));
    }

    void theFolderIsUsedWhenItHoldsTheProgram()
    {
        registerPath("/" + QString(1100, 'x'));   // longer than the 1024 bytes read: not there
        registerFolder("msinfo32.exe", "lower");
        pressSysInfo();
        QTRY_VERIFY(QFile::exists(marker("lower")));
        QVERIFY(messages.isEmpty());
    }

    void everyFailureSaysUnavailable_data()
    {
        QTest::addColumn<QString>("path");      // key 1's PATH: "" none, "-" empty data
        QTest::addColumn<QString>("program");   // the file in key 2's folder: "" none at all
        QTest::newRow("nothing registered") << "" << "";
        QTest::newRow("a folder without the program") << "" << "msinfo32.ex";
        QTest::newRow("an empty PATH") << "-" << "MSINFO32.EXE";
        QTest::newRow("a PATH that cannot run") << scratch.filePath("plain.sh") << "MSINFO32.EXE";
    }
    void everyFailureSaysUnavailable()
    {
        QFETCH(QString, path);
        QFETCH(QString, program);
        if (!program.isEmpty())
            registerFolder(program, "fallback");
        if (path == "-")
            QVERIFY(setValue(sysInfoKey, sysInfoPathValue, REG_SZ, QByteArray()));
        else if (!path.isEmpty())
            registerPath(path);
        QVERIFY(testing::writeMarkerScript(scratch.filePath("plain.sh"), marker("plain"), false));

        pressSysInfo();
        QCOMPARE(messages, QStringList{"Zestrel: " + kUnavailable});
        QTest::qWait(200);
        QVERIFY(!QFile::exists(marker("fallback")) && !QFile::exists(marker("plain")));
    }

    void valuesAreReadByTheirType()
    {
        QVERIFY(setValue("SOFTWARE\\Zestrel", "Count", REG_DWORD, dwordData(258)));
        QVERIFY(setValue("SOFTWARE\\Zestrel", "Big", REG_DWORD, dwordData(0x12345600)));
        QVERIFY(setValue("SOFTWARE\\Zestrel", "Name", REG_SZ, stringData("Zestrel")));
        QString out = "n=";
        QVERIFY(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "software\\zestrel", "count", out));
        QCOMPARE(out, QString("n=258"));
        out.clear();
        QVERIFY(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Zestrel", "Big", out));
        QCOMPARE(out, QString("305419776"));
        QVERIFY(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Zestrel", "Name", out));
        QCOMPARE(out, QString("Zestrel"));
        QVERIFY(!frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Zestrel", "None", out));
        QCOMPARE(out, QString());
    }

    void enterAndEscCloseTheBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscCloseTheBox()
    {
        QFETCH(int, key);
        frmAbout box(&owner);
        QSignalSpy clicks(box.findChild<QPushButton*>("cmdOK"), &QPushButton::clicked);
        QTimer::singleShot(100, &box, [&box, key] { QTest::keyClick(box.focusWidget(), Qt::Key(key)); });
        QTimer::singleShot(3000, &box, &QDialog::reject);   // should the key not close it
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QCOMPARE(clicks.count(), 1);
    }
};

ZESTREL_TEST_MAIN(AboutTest)
#include "about_test.moc"
