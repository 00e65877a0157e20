// The controls as a user meets them: twips placement, fonts, typing into text boxes, pictures
// and clickable labels.
#include "platform/controls.h"
#include "platform/geometry.h"
#include "tests/common/testmain.h"

#include <QFontInfo>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using platform::TextBox;

namespace {

// 200 x 200 user units of one-unit vertical stripes, red first, then blue.
QByteArray stripesSvg()
{
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='200'>";
    for (int x = 0; x < 200; ++x)
        svg += QByteArray("<rect x='") + QByteArray::number(x) + "' width='1' height='200' fill='"
               + (x % 2 == 0 ? "#ff0000" : "#0000ff") + "'/>";
    return svg + "</svg>";
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString stripes;

private slots:
    void initTestCase()
    {
        stripes = dir.filePath("stripes.svg");
        QFile file(stripes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stripesSvg());
    }

    void twipsPlacement()
    {
        using namespace platform::twips;
        QCOMPARE(toPixels(1560), 104);
        QCOMPARE(toPixels(7), 0);
        QCOMPARE(toPixels(8), 1);
        QCOMPARE(toPixels(-8), -1);
        QCOMPARE(fromPixels(104), 1560);

        QWidget window;
        QWidget child(&window);
        place(&child, 6360, 3600, 1215, 315);
        QCOMPARE(child.geometry(), QRect(424, 240, 81, 21));
    }

    void fontsResolveToInstalledFaces()
    {
        const QFont sans = platform::font("MS Sans Serif", 9.75, true);
        QCOMPARE(QFontInfo(sans).family(), QString("DejaVu Sans"));
        QCOMPARE(sans.pointSizeF(), 9.75);
        QVERIFY(sans.bold());
        const QFontInfo arial(platform::font("Arial", 12, false, true));
        QCOMPARE(arial.family(), QString("Liberation Sans"));
        QVERIFY(arial.italic());
        QCOMPARE(QApplication::font().family(), QString("DejaVu Sans"));
        QCOMPARE(QApplication::font().pointSizeF(), 8.25);
    }

    void singleLineLengthLimit()
    {
        QWidget window;
        TextBox limited(&window, "txtFields(0)", TextBox::Kind::SingleLine, 50);
        TextBox unlimited(&window, "txtGlassname");
        QSignalSpy changes(&limited, &TextBox::Change);

        QTest::keyClicks(limited.editor(), QString(51, u'a'));
        QCOMPARE(limited.text(), QString(50, u'a'));
        QCOMPARE(changes.size(), 50);
        QVERIFY(limited.edited());
        // The program's text is kept whole, longer or not.
        limited.setTextFromData(QString(60, u'b'));
        QCOMPARE(limited.text().size(), 60);
        limited.setTextFromData("short");
        QTest::keyClicks(limited.editor(), QString(50, u'c'));
        QCOMPARE(limited.text().size(), 50);

        QCOMPARE(unlimited.maxLength(), 0);
        unlimited.setText(QString(40000, u'x'));
        QTest::keyClicks(unlimited.editor(), "yz");
        QCOMPARE(unlimited.text().size(), 40002);
    }

    void changeAndEditedFlag_data()
    {
        QTest::addColumn<TextBox::Kind>("kind");
        QTest::newRow("single line") << TextBox::Kind::SingleLine;
        QTest::newRow("multi-line") << TextBox::Kind::MultiLine;
    }

    void changeAndEditedFlag()
    {
        QFETCH(TextBox::Kind, kind);
        QWidget window;
        TextBox box(&window, "txtFields(21)", kind);
        QList<bool> editedDuringChange;
        connect(&box, &TextBox::Change, [&] { editedDuringChange.append(box.edited()); });

        box.setText("Gin");
        QCOMPARE(editedDuringChange, QList<bool>{true});
        box.setText("Gin");                    // same text: no Change
        box.setTextFromData("Gin");
        QCOMPARE(editedDuringChange.size(), 1);
        QVERIFY(!box.edited());

        box.setTextFromData("Rum");
        QCOMPARE(editedDuringChange, (QList<bool>{true, false}));
        QVERIFY(!box.edited());

        // Once per keystroke; the program's text leaves the caret at the start.
        QTest::keyClicks(box.editor(), "ab");
        QCOMPARE(editedDuringChange, (QList<bool>{true, false, true, true}));
        QCOMPARE(box.text(), QString("abRum"));
        box.setEdited(false);
        QVERIFY(!box.edited());

        box.setTextFromData("");
        QCOMPARE(editedDuringChange.size(), 5);
        QCOMPARE(box.text(), QString());
    }

    void multiLineHoldsLongTexts()
    {
        QWidget window;
        TextBox box(&window, "txtRedWine", TextBox::Kind::MultiLine);
        QSignalSpy changes(&box, &TextBox::Change);
        QString article;
        while (article.size() < 15100)
            article += "Wine is best served at the right temperature.\n";
        box.setTextFromData(article);
        QCOMPARE(box.text(), article);
        // Windows line ends read back as "\n" and count as the same text.
        box.setTextFromData("Stir\r\nStrain");
        QCOMPARE(box.text(), QString("Stir\nStrain"));
        box.setTextFromData("Stir\r\nStrain");
        QCOMPARE(changes.size(), 2);
    }

    void pictureBoxSizesToItsPicture()
    {
        QWidget window;
        platform::PictureBox picture(&window, "picBeerMug");
        picture.setPicture(stripes, QSize(100, 100));
        QCOMPARE(picture.size(), QSize(100, 100));
        picture.setSunkenBorder(true);
        QCOMPARE(platform::twips::fromPixels(picture.width()), 1560);
        picture.setPicture(stripes, QSize(77, 160));
        QCOMPARE(picture.size(), QSize(81, 164));

        // A marker: no picture, placed size kept, filled inside its border.
        platform::PictureBox marker(&window, "picBourbonMarker");
        platform::twips::place(&marker, 2160, 1200, 255, 255);
        marker.setSunkenBorder(true);
        marker.setBackColor(QColor(0, 0, 255));
        QCOMPARE(marker.size(), QSize(17, 17));
        const QImage image = marker.grab().toImage();
        QCOMPARE(image.pixelColor(8, 8), QColor(0, 0, 255));
        QVERIFY(image.pixelColor(0, 0) != QColor(0, 0, 255));
        QVERIFY(image.pixelColor(16, 16) != QColor(0, 0, 255));
    }

    void pictureIsCrispAtTwiceTheRatio()
    {
        QWidget window;
        platform::PictureBox picture(&window, "picGin");
        picture.setSunkenBorder(true);
        picture.setPicture(stripes, QSize(100, 100));
        QPixmap target(picture.size() * 2);
        target.setDevicePixelRatio(2);
        target.fill(Qt::white);
        picture.render(&target);
        const QImage image = target.toImage();
        // Each stripe is half a logical pixel: one device pixel, pure red or pure blue.
        for (int x = 4; x < 14; ++x)
            QCOMPARE(image.pixelColor(x, 100), x % 2 == 0 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    }

    void labelsAndPicturesClick()
    {
        QWidget window;
        platform::Label label(&window, "lblBourbon", "Bourbon");
        platform::PictureBox picture(&window, "picBourbon");
        platform::twips::place(&label, 2520, 1680, 1695, 315);
        platform::twips::place(&picture, 5040, 1560, 1500, 1500);
        label.setColors(Qt::black, QColor(224, 224, 224));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy labelClicks(&label, &platform::Label::Click);
        QSignalSpy pictureClicks(&picture, &platform::PictureBox::Click);

        QTest::mouseClick(&label, Qt::LeftButton);
        QTest::mouseClick(&label, Qt::RightButton);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QCOMPARE(labelClicks.size(), 1);
        QCOMPARE(pictureClicks.size(), 1);
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
        QCOMPARE(label.grab().toImage().pixelColor(1, 1), QColor(224, 224, 224));
    }
};

ZESTREL_TEST_MAIN(ControlsTest)
#include "controls_test.moc"
