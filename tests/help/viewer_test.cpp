// The help viewer's window on the supplied help file: the contents and the links hold together,
// the keyword search narrows and opens topics, and a file that is no help file is refused.
#include "tests/common/testmain.h"
#include "tools/helpviewer/seal.h"
#include "tools/helpviewer/viewer.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtEndian>

using helpviewer::ContentsEntry;
using helpviewer::HelpFile;
using helpviewer::HelpFileError;
using helpviewer::HelpViewer;

namespace {

const QString suppliedHelp = QStringLiteral(ZESTREL_SUPPLIED_DIR "/zestrel.hlp");

void collectTopics(const std::vector<ContentsEntry>& entries, QSet<QString>& into)
{
    for (const ContentsEntry& entry : entries) {
        if (!entry.topic.isEmpty())
            into.insert(entry.topic);
        collectTopics(entry.children, into);
    }
}

QString resourceText(const QUrl& url)
{
    QFile file(u':' + url.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QJsonObject request(int command, const QString& keyword = {})
{
    return {{QStringLiteral("command"), command},
            {QStringLiteral("file"), suppliedHelp},
            {QStringLiteral("keyword"), keyword}};
}

} // namespace

class ViewerTest : public QObject {
    Q_OBJECT

private slots:
    void everyTopicIsInTheContentsAndEveryLinkLeadsSomewhere()
    {
        const HelpFile file(suppliedHelp);
        QSet<QString> listed;
        collectTopics(file.contents(), listed);
        static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
        for (const auto& [name, topic] : file.topics()) {
            QVERIFY2(listed.contains(name), qPrintable(name + " is not in the contents"));
            QVERIFY2(!topic.title.isEmpty() && !topic.keywords.isEmpty(), qPrintable(name));
            const QUrl url = file.topicUrl(name);
            const QString html = resourceText(url);
            for (const auto& match : reference.globalMatch(html)) {
                const QUrl target = url.resolved(QUrl(match.captured(1)));
                QVERIFY2(QFile::exists(u':' + target.path()),
                         qPrintable(name + " refers to " + match.captured(1) + ", which is not there"));
            }
        }
    }

    void keywordSearchNarrowsAndOpensTopics()
    {
        HelpViewer viewer;
        viewer.handle(request(261, QStringLiteral("print")));
        QCOMPARE(viewer.state()[u"view"].toString(), QStringLiteral("keywords"));
        auto* keywords = viewer.findChild<QTreeWidget*>(QStringLiteral("treeKeywords"));
        int shown = 0;
        for (int i = 0; i < keywords->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = keywords->topLevelItem(i);
            QCOMPARE(!item->isHidden(), item->text(0).contains(QStringLiteral("print"), Qt::CaseInsensitive));
            shown += !item->isHidden();
        }
        QVERIFY(shown > 1);
        QVERIFY(keywords->currentItem()->text(0).startsWith(QStringLiteral("print"), Qt::CaseInsensitive));

        QTest::keyClick(viewer.findChild<QLineEdit*>(QStringLiteral("txtKeyword")), Qt::Key_Return);
        QCOMPARE(viewer.currentTopic(), QStringLiteral("printing.html"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Zestrel Help - Printing a Recipe"));

        // A keyword of several topics lists them; picking one shows it.
        viewer.showKeywordSearch(QStringLiteral("type of glass"));
        QTreeWidgetItem* several = keywords->currentItem();
        QCOMPARE(several->text(0), QStringLiteral("Type of Glass"));
        QVERIFY(several->childCount() > 1);
        emit keywords->itemClicked(several->child(0), 0);
        QCOMPARE(viewer.currentTopic(), several->child(0)->data(0, Qt::UserRole).toString());
    }

    void contentsFollowTheTopicOnShow()
    {
        HelpViewer viewer;
        viewer.handle(request(261));
        viewer.showTopic(QStringLiteral("glass.html"));
        viewer.handle(request(3));
        QCOMPARE(viewer.findChild<QTabWidget*>(QStringLiteral("tabNavigation"))->currentIndex(), 0);
        QCOMPARE(viewer.currentTopic(), QStringLiteral("welcome.html"));
        auto* contents = viewer.findChild<QTreeWidget*>(QStringLiteral("treeContents"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Welcome to Zestrel"));
    }

    // A damaged or foreign file is named as such, never read: the resource reader trusts it. So is
    // a file sealed anew around a resource whose offsets lead outside it.
    void aFileThatIsNoHelpFileIsRefused_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<qsizetype>("at");
        QTest::newRow("not a help file") << "other" << qsizetype(0);
        QTest::newRow("a byte of the header") << "flip" << qsizetype(11);
        QTest::newRow("a byte of the topics") << "flip" << qsizetype(3000);
        QTest::newRow("cut short") << "cut" << qsizetype(4000);
        QTest::newRow("resealed, its root no folder") << "reseal" << qsizetype(0);
    }

    void aFileThatIsNoHelpFileIsRefused()
    {
        QFETCH(QString, change);
        QFETCH(qsizetype, at);
        QFile supplied(suppliedHelp);
        QVERIFY(supplied.open(QIODevice::ReadOnly));
        QByteArray bytes = supplied.readAll();
        if (change == QLatin1String("other"))
            bytes = "not a help file at all";
        else if (change == QLatin1String("flip"))
            bytes[at] = char(bytes[at] ^ 0x78);
        else if (change == QLatin1String("cut"))
            bytes.truncate(at);
        else if (change == QLatin1String("reseal")) {
            QByteArray resource = helpviewer::unsealHelp(bytes).value_or(QByteArray());
            QVERIFY(resource.startsWith("qres"));
            resource[qFromBigEndian<quint32>(resource.constData() + 8) + 5] = 0; // the root's flags
            bytes = helpviewer::sealHelp(resource);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zestrel.hlp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QString message;
        try {
            const HelpFile refused(path);
        } catch (const HelpFileError& e) {
            message = QString::fromUtf8(e.what());
        }
        QCOMPARE(message, QStringLiteral("The file %1 is not a Zestrel help file, or it is damaged.").arg(path));
    }
};

ZESTREL_TEST_MAIN(ViewerTest)
#include "viewer_test.moc"
