// The printed recipe: the directions' word wrap on its own, whole printouts written as PDF and
// read back with pdftotext, and a printer that is missing or cannot write.
#include "printing.h"
#include "platform/application.h"
#include "platform/printer.h"
#include "tests/common/testmain.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

// Arial's (and Liberation Sans') space is 569/2048 of an em, bold or not; PDF units are points.
constexpr double kMargin = 18;
double spaces(int count, double points) { return count * points * 569 / 2048; }

struct Word {
    QString text;
    double left, right;
};
struct Line {
    double top;
    QList<Word> words;
    QString text() const
    {
        QStringList t;
        for (const Word& w : words)
            t << w.text;
        return t.join(' ');
    }
};
using Page = QList<Line>;

// The pages of a PDF as pdftotext sees them: lines of words with their places in points.
QList<Page> readBack(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox-layout", pdf, "-"});
    if (!p.waitForFinished() || p.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(pdf));
    QList<Page> pages;
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"page")
            pages.append(Page());
        else if (xml.name() == u"line")
            pages.last().append(Line{a.value("yMin").toDouble(), {}});
        else if (xml.name() == u"word")
            pages.last().last().words.append(
                {xml.readElementText(), a.value("xMin").toDouble(), a.value("xMax").toDouble()});
    }
    return pages;
}

// The texts of a printout's first page by line number below the title, counted from the two
// ingredient lines 1 and 2 (line numbers 5 and 6), which must not be empty.
QMap<int, QString> bodyLines(const Page& page)
{
    const double spacing = page.at(3).top - page.at(2).top;
    const double first = page.at(2).top - 5 * spacing;
    QMap<int, QString> lines;
    for (const Line& l : page.mid(1))
        lines.insert(qRound((l.top - first) / spacing), l.text());
    return lines;
}

std::array<QString, 22> recipe(const QString& directions)
{
    catalogue::Recipe r;
    r.name = "Dry Martini";
    r.qty = {"2 oz", "1/2 oz", "1 dash", "", "", "", "", "", "", ""};
    r.ing = {"Gin", "Dry vermouth", "", "Olive", "", "", "", "", "", ""};
    r.directions = directions;
    return printing::fieldsOf(r);
}

QString failureOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::Failure& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    std::unique_ptr<QTemporaryDir> folder; // a new one for each test
    std::unique_ptr<QWidget> measure;
    QString pdf() const { return folder->filePath("recipe.pdf"); }
    QList<Page> print(const std::array<QString, 22>& fields)
    {
        catalogue::printRecipe(fields, *measure);
        return readBack(pdf());
    }
    double width(const QString& text) const { return platform::printer::textWidth(*measure, text); }

private slots:
    void initTestCase()
    {
        // The print system is out of reach, whatever the machine has set up.
        qputenv("CUPS_SERVER", root.filePath("no-print-system").toUtf8());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        measure = printing::measuringBox();
    }
    void init()
    {
        folder = std::make_unique<QTemporaryDir>(root.filePath("XXXXXX"));
        platform::printer::setDefaultToFile(pdf());
    }

    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("keeps the breaking space")
            << "aaa bbb ccc ddd" << 8.0 << QStringList{"aaa bbb ", "ccc ddd"};
        QTest::newRow("leading spaces removed")
            << "aaa bbb    ccc ddd eee" << 8.0 << QStringList{"aaa bbb ", "ccc ddd eee"};
        QTest::newRow("last line runs past by its last word")
            << "aaa bbb cccccccc" << 8.0 << QStringList{"aaa bbb cccccccc"};
        QTest::newRow("no spaces") << "abcdefghijklmnop" << 3.0 << QStringList{"abcdefghijklmnop"};
        QTest::newRow("empty") << "" << 10.0 << QStringList{""};
        QTest::newRow("long first word")
            << "abcdefghij   xy z" << 5.0 << QStringList{"abcdefghij ", "xy z"};
        QTest::newRow("long word inside")
            << "ab abcdefghij cd" << 5.0 << QStringList{"ab ", "abcdefghij ", "cd"};
        QTest::newRow("leading spaces of the text") << "  ab cd" << 4.0 << QStringList{"  ", "ab cd"};
    }
    // One unit of width per character.
    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        const auto length = [](const QString& t) { return double(t.size()); };
        QCOMPARE(catalogue::wrapDirections(text, length, width), lines);
    }

    void measuresTheWidestLine()
    {
        const QString longer = "Strain into a chilled glass.";
        QVERIFY(width(longer) > width("Stir."));
        QCOMPARE(width("Stir.\n" + longer + "\nServe."), width(longer));
    }

    void everyLineOfTheRecipe()
    {
        const QList<Page> pages = print(recipe("Stir with ice."));
        QCOMPARE(pages.size(), 1);
        const Page& page = pages.first();

        QCOMPARE(page.first().text(), QString("Zestrel"));
        QVERIFY(qAbs(page.first().words.first().left - (kMargin + spaces(33, 16))) < 1);
        const QMap<int, QString> expected{{2, "Drink's Name: Dry Martini"},
                                          {5, "2 oz Gin"},
                                          {6, "1/2 oz Dry vermouth"},
                                          {7, "1 dash"},
                                          {8, "Olive"},
                                          {17, "Directions:"},
                                          {19, "Stir with ice."}};
        QCOMPARE(bodyLines(page), expected);

        // Quantity and ingredient two spaces apart; a line without a quantity starts with them.
        const Line& gin = page.at(2);
        QVERIFY(qAbs(gin.words.at(2).left - gin.words.at(1).right - spaces(2, 12)) < 0.5);
        QVERIFY(qAbs(page.at(5).words.first().left - (kMargin + spaces(2, 12))) < 0.5);
    }

    void wrappedDirections()
    {
        const QString directions =
            "Shake the gin, lemon juice and syrup hard with ice until the shaker is too cold to "
            "hold, then strain into a Collins glass over fresh ice and top up with club soda.";
        const QMap<int, QString> lines = bodyLines(print(recipe(directions)).first());
        QStringList printed;
        for (auto line = lines.find(19); line != lines.end(); ++line)
            printed << *line;
        QVERIFY(printed.size() > 1);
        QCOMPARE(lines.lastKey(), 19 + printed.size() - 1); // one line after the other
        QCOMPARE(printed.join(' '), directions);

        // Each line but the last takes as many words as fit, and keeps its breaking space.
        for (int i = 0; i + 1 < printed.size(); ++i) {
            const QString line = printed[i] + ' ';
            const QString nextWord = printed[i + 1].section(' ', 0, 0);
            QVERIFY2(width(line) <= measure->width() * 15, qPrintable(line));
            QVERIFY2(width(line + nextWord + ' ') > measure->width() * 15, qPrintable(line));
        }
    }

    void directionsWithoutSpacesAndWithLineBreaks()
    {
        const QString word = "Shake-it-hard-with-plenty-of-ice-and-strain-into-a-chilled-glass";
        QVERIFY(width(word) > measure->width() * 15);
        QCOMPARE(bodyLines(print(recipe(word)).first()).last(), word);

        const QMap<int, QString> lines = bodyLines(print(recipe("Stir.\nStrain.\n\nServe.")).first());
        QCOMPARE(lines.value(19), QString("Stir."));
        QCOMPARE(lines.value(20), QString("Strain."));
        QCOMPARE(lines.value(22), QString("Serve."));
    }

    void longDirectionsGoOnToANewPage()
    {
        QStringList steps;
        for (int i = 1; i <= 60; ++i)
            steps << QString("Step %1.").arg(i);
        const QList<Page> pages = print(recipe(steps.join('\n')));
        QCOMPARE(pages.size(), 2);
        QStringList printed;
        for (const Line& line : pages[0] + pages[1])
            if (line.text().startsWith("Step "))
                printed << line.text();
        QCOMPARE(printed, steps); // none lost past the bottom of the first page
        QVERIFY(qAbs(pages[1].first().top - kMargin) < 0.5);
    }

    void noPrinterAtAll()
    {
        platform::printer::setDefaultToFile({});
        QVERIFY(failureOf([&] { catalogue::printRecipe(recipe("Stir."), *measure); })
                    .startsWith("No default printer is set up on this computer."));
    }

    void aTargetThatCannotBeWritten()
    {
        // No folder to write in: nothing starts.
        const QString missing = folder->filePath("gone/recipe.pdf");
        platform::printer::setDefaultToFile(missing);
        const QString failure = failureOf([&] { catalogue::printRecipe(recipe("Stir."), *measure); });
        QVERIFY2(failure.startsWith("The document for " + missing + " cannot be written"),
                 qPrintable(failure));

        // A folder in the file's place: the finished document cannot take it, and nothing is
        // left behind.
        const QString taken = folder->filePath("taken.pdf");
        QDir(folder->path()).mkdir("taken.pdf");
        platform::printer::setDefaultToFile(taken);
        QVERIFY(failureOf([&] { catalogue::printRecipe(recipe("Stir."), *measure); })
                    .startsWith("The document for " + taken + " cannot be written"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"taken.pdf"});
    }
};

ZESTREL_TEST_MAIN(PrintingTest)
#include "printing_test.moc"
