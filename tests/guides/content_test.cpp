// The guides' pictures and texts as supplied: named as the guides look for them, drawn at the
// size their boxes expect, and the long wine article shown whole.
#include "guides/glasses.h"
#include "guides/liquor.h"
#include "guides/utensils.h"
#include "guidetest.h"
#include "platform/controls.h"
#include "tests/common/testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTextBlock>

using namespace guidetest;

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    // A folder that has arrived must hold every file the guides name in it; folders still to
    // come are reported as a skip.
    void resourcesAsTheGuidesNameThem()
    {
        QStringList faults;
        QStringList notYet;
        for (const guides::Definition* d : {&guides::glasses(), &guides::utensils(), &guides::liquor()}) {
            for (const guides::Entry& entry : d->entries) {
                for (const guides::Control& c : entry.group) {
                    if (c.source.isEmpty())
                        continue;
                    const QString folder = QFileInfo(c.source).path();
                    if (!QDir(folder).exists()) {
                        if (!notYet.contains(folder))
                            notYet << folder;
                    } else if (!QFile::exists(c.source)) {
                        faults << c.source + " missing";
                    } else if (c.kind == guides::Control::Kind::Picture
                               && QSvgRenderer(c.source).defaultSize() != c.pixels) {
                        faults << c.source + " is not drawn at its box's picture size";
                    } else if (c.kind == guides::Control::Kind::Text && readAll(c.source).trimmed().isEmpty()) {
                        faults << c.source + " is empty";
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        if (!notYet.isEmpty())
            QSKIP(qPrintable("content not supplied yet: " + notYet.join(", ")));
    }

    // Both wine boxes hold the whole article, and it scrolls to its last line.
    void wineArticleWhole()
    {
        const QString article = readAll(":/guides/liquor/Wine.txt").trimmed();
        if (article.isEmpty())
            QSKIP("the wine article :/guides/liquor/Wine.txt is not supplied yet");
        QVERIFY2(article.size() > 10000, "the wine article is the long reference text");

        guides::GuideWindow* w = open("frmLiquor");
        QVERIFY(w);
        for (const QString& wine : {QStringLiteral("RedWine"), QStringLiteral("WhiteWine")}) {
            QMetaObject::invokeMethod(w, qPrintable("lbl" + wine + "_Click"));
            auto* box = w->findChild<platform::TextBox*>("txt" + wine);
            QVERIFY(box->isVisible());
            QCOMPARE(box->text().trimmed(), article);

            auto* editor = qobject_cast<QPlainTextEdit*>(box->editor());
            QTextCursor end(editor->document());
            end.movePosition(QTextCursor::End);
            const auto endShown = [&] { return editor->viewport()->rect().contains(editor->cursorRect(end)); };
            QCoreApplication::processEvents();
            QVERIFY(!endShown());
            QScrollBar* bar = editor->verticalScrollBar();
            bar->setValue(bar->maximum());
            QCoreApplication::processEvents();
            QVERIFY(endShown());
            QCOMPARE(end.block().text().trimmed(), article.section(u'\n', -1).trimmed());
        }
    }
};

ZESTREL_TEST_MAIN(ContentTest)
#include "content_test.moc"
