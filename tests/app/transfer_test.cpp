// Recipes in and out through the main window and the command line: export of the list on show,
// import with its summary, the recipe as a PDF file laid out as its printout, restoring a
// backup, and the command line's exit codes.
#include "app/frmMain.h"
#include "catalogue/transfer/backups.h"
#include "platform/filedialog.h"
#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "tests/app/fixture.h"
#include "tests/common/testmain.h"

#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using namespace fixture;

namespace {

QString recipeFile() { return platform::paths::resolve(catalogue::kDatabasePath); }

// The text of a PDF file with the places of its words, as pdftotext reads it.
QByteArray readBack(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox-layout", pdf, "-"});
    if (!p.waitForFinished() || p.exitCode() != 0)
        return QByteArray("pdftotext failed");
    return p.readAllStandardOutput();
}

struct Run {
    int exitCode;
    QString out, err;
};

Run zestrel(const QStringList& arguments)
{
    QProcess p;
    p.start(ZESTREL_APP, arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    frmMain* w = nullptr;

private slots:
    void init()
    {
        installRecipes({"Gin Fizz", "Negroni", "Sazerac"});
        QDir(catalogue::transfer::backups::folderOf(recipeFile())).removeRecursively();
    }
    void cleanup()
    {
        platform::filedialog::setTestAnswer(std::nullopt);
        if (w)
            closeMain(w);
        w = nullptr;
    }

    void exportThenImportThroughTheWindow()
    {
        w = openMain();
        Messages messages;
        platform::filedialog::setTestAnswer(dir.filePath("list.csv"));
        choose(w, "mnuExport");
        QCOMPARE(messages.texts(), QStringList{"Exported 3 recipes to \"list.csv\"."});

        execInFile("DELETE FROM drinklst WHERE DrinkName <> 'Negroni'; UPDATE drinklst SET Qty1 = '1 oz'");
        messages.clear();
        platform::filedialog::setTestAnswer(dir.filePath("list.csv"));
        choose(w, "mnuImport");
        QCOMPARE(messages.texts(), QStringList{"Imported 3 recipes, skipped 0.\n"
                                               "Imported as \"Negroni (imported)\": the name was taken."});
        QCOMPARE(namesInFile(), (QStringList{"Negroni", "Gin Fizz", "Negroni (imported)", "Sazerac"}));
        QCOMPARE(caption(w), QString("Drink# 1")); // the list was opened again
        QCOMPARE(catalogue::transfer::backups::list(recipeFile()).size(), size_t(1)); // taken before the import

        messages.clear();
        platform::filedialog::setTestAnswer(QString()); // cancelled: nothing happens
        choose(w, "mnuImport");
        QVERIFY(messages.texts().isEmpty());
    }

    void savedPdfIsThePrintout()
    {
        w = openMain();
        typeOver(box(w, "txtFields(21)"),
                 "Shake hard with ice, then strain into a chilled glass and garnish with a twist.");
        platform::printer::setDefaultToFile(dir.filePath("printed.pdf"));
        choose(w, "mnuFilePrint");
        platform::printer::setDefaultToFile(QString());
        platform::filedialog::setTestAnswer(dir.filePath("saved.pdf"));
        choose(w, "mnuSavePdf");
        const QByteArray saved = readBack(dir.filePath("saved.pdf"));
        QVERIFY(saved.contains("Gin") && saved.contains("Directions:") && saved.contains("twist."));
        QCOMPARE(saved, readBack(dir.filePath("printed.pdf")));
    }

    void restoreAsksOnceAndReopensTheList()
    {
        catalogue::transfer::backups::makeDaily(recipeFile());
        execInFile("DELETE FROM drinklst WHERE DrinkName = 'Gin Fizz'");
        w = openMain();
        QCOMPARE(name(w), QString("Negroni"));
        choose(w, "mnuRestore");
        QWidget* restore = platform::forms::find("frmRestore");
        QVERIFY(restore);
        auto* list = restore->findChild<QListWidget*>("lstBackups");
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().endsWith(", 3 recipes"));

        Messages messages;
        platform::msgbox::setTestAnswer(false);
        click(restore, "cmdRestore");
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].question);
        QCOMPARE(namesInFile().size(), 2);

        platform::msgbox::setTestAnswer(true);
        click(restore, "cmdRestore");
        platform::msgbox::setTestAnswer(false);
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(namesInFile(), (QStringList{"Gin Fizz", "Negroni", "Sazerac"}));
        QCOMPARE(name(w), QString("Gin Fizz"));
        QCOMPARE(list->count(), 2); // the rows as they were are one more backup
        QVERIFY(list->item(0)->text().endsWith(", 2 recipes"));
        click(restore, "cmdClose");
    }

    void commandLineExitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the start of standard output, or of standard error on failure
        QTest::newRow("export JSON") << QStringList{"--export", "@/all.json"} << 0
                                     << "Exported 3 recipes to @/all.json.";
        QTest::newRow("export CSV by --format")
            << QStringList{"--export", "@/all.txt", "--format", "csv"} << 0 << "Exported 3 recipes";
        QTest::newRow("import") << QStringList{"--import", "@/two.json"} << 0 << "Imported 1 recipe, skipped 1.";
        QTest::newRow("import refused") << QStringList{"--import", "@/cut.json"} << 1
                                        << "zestrel: Nothing was imported from \"cut.json\"";
        QTest::newRow("import missing") << QStringList{"--import", "@/none.csv"} << 1
                                        << "zestrel: Nothing was imported from \"none.csv\"";
        QTest::newRow("backup") << QStringList{"--backup"} << 0 << "Backed up the recipes to ";
        QTest::newRow("two actions") << QStringList{"--backup", "--import", "@/two.json"} << 2
                                     << "zestrel: Give one of";
        QTest::newRow("unknown format") << QStringList{"--export", "@/a", "--format", "xml"} << 2
                                        << "zestrel: Unknown format 'xml'.";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "zestrel ";
    }
    void commandLineExitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFile two(dir.filePath("two.json"));
        two.open(QIODevice::WriteOnly);
        two.write(R"([{"name": "Negroni", "ingredients": [{"special": "2 oz Negroni base"}]}, {"name": "Bramble"}])");
        two.close();
        QFile cut(dir.filePath("cut.json"));
        cut.open(QIODevice::WriteOnly);
        cut.write(R"([{"name": "Negroni", )");
        cut.close();
        arguments.replaceInStrings("@", dir.path());
        output.replace("@", dir.path());
        const QStringList before = namesInFile();

        const Run run = zestrel(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode ? run.err : run.out).startsWith(output), qPrintable(run.out + run.err));
        if (exitCode == 0)
            QVERIFY(!run.out.trimmed().contains('\n'));
        if (exitCode != 0 || !arguments.contains("--import"))
            QCOMPARE(namesInFile(), before);
    }
};

ZESTREL_TEST_MAIN(TransferTest)
#include "transfer_test.moc"
