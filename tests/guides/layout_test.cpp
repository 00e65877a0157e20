// Each guide window checked once against its definition: every control's name, caption, place
// in twips, colour and font, and nothing more on the window.
#include "guidetest.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "tests/common/testmain.h"

#include <QPushButton>

using namespace guidetest;
using guides::Control;
using platform::twips::toPixels;

namespace {

QRect px(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void checkControl(QWidget* w, const Control& c)
{
    QWidget* widget = child(w, c.name);
    QVERIFY2(widget, qPrintable(c.name + " missing"));
    const QRect placed = px(c.left, c.top, c.width, c.height);
    switch (c.kind) {
    case Control::Kind::Button:
        QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), c.caption);
        QCOMPARE(widget->geometry(), placed);
        break;
    case Control::Kind::Label: {
        auto* l = qobject_cast<platform::Label*>(widget);
        QCOMPARE(l->text(), c.caption);
        QCOMPARE(l->geometry(), placed);
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        QCOMPARE(l->palette().color(QPalette::Window), c.back);
        QCOMPARE(l->font().pointSizeF(), c.pointSize > 0 ? c.pointSize : 8.25);
        break;
    }
    case Control::Kind::Picture: {
        // Sized to the picture plus the 2-pixel sunken border each side; a marker as placed.
        auto* p = qobject_cast<platform::PictureBox*>(widget);
        QVERIFY(p->sunkenBorder());
        QCOMPARE(p->picturePath(), c.source);
        QCOMPARE(p->backColor(), c.back);
        QCOMPARE(p->geometry(), c.source.isEmpty() ? placed
                                                   : QRect(placed.topLeft(), c.pixels + QSize(4, 4)));
        break;
    }
    case Control::Kind::Text:
        QCOMPARE(qobject_cast<platform::TextBox*>(widget)->kind(), platform::TextBox::Kind::MultiLine);
        QCOMPARE(widget->geometry(), placed);
        break;
    }
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void controlsFollowTheDefinition_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QStringList>("offPattern");   // names that break the naming pattern
        QTest::newRow("glasses") << "frmGlasses" << 17 << QStringList{"cmdgoblet", "cmePousseCafe", "picShotGlass"};
        QTest::newRow("utensils") << "frmUtensils" << 19
                                  << QStringList{"picStrainer", "txtCoilrimmedStrainer", "picjigger", "txtJigger",
                                                 "picSpoon", "txtSpoon", "picBlender", "txtBlender", "picTongs",
                                                 "txtTongs", "picWaitersScrew", "txtWaitersScrew"};
        QTest::newRow("liquor") << "frmLiquor" << 10 << QStringList{"picRedWineMarker", "picWhiteWineMarker"};
    }
    void controlsFollowTheDefinition()
    {
        QFETCH(QString, form);
        QFETCH(int, entries);
        QFETCH(QStringList, offPattern);
        guides::GuideWindow* w = open(form);
        QVERIFY(w);
        const guides::Definition& d = w->definition();
        QCOMPARE(d.entries.size(), entries);

        QList<Control> controls{d.close};
        if (d.heading)
            controls << *d.heading;
        for (const guides::Entry& entry : d.entries)
            controls << entry.selector << entry.group;
        QStringList expected;
        for (const Control& c : controls) {
            checkControl(w, c);
            if (QTest::currentTestFailed())
                return;
            expected << c.name;
        }
        QStringList actual;
        for (QWidget* c : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            actual << c->objectName();
        actual.sort();
        expected.sort();
        QCOMPARE(actual, expected);
        for (const QString& name : offPattern)
            QVERIFY2(actual.contains(name), qPrintable(name));
    }
};

ZESTREL_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
