#include "tools/helpviewer/viewer.h"

#include "platform/helpchannel.h"
#include "platform/msgbox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace helpviewer {

namespace {

const QString viewerTitle = QStringLiteral("Zestrel Help");
constexpr int TopicRole = Qt::UserRole;
enum Page { ContentsPage, SearchPage };

QTreeWidget* makeTree(const QString& name)
{
    auto* tree = new QTreeWidget;
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    return tree;
}

QTreeWidgetItem* makeItem(const QString& text, const QString& topic, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem({text});
    item->setData(0, TopicRole, topic);
    item->setIcon(0, icon);
    return item;
}

} // namespace

HelpViewer::HelpViewer()
    : m_tabs(new QTabWidget)
    , m_contents(makeTree(QStringLiteral("treeContents")))
    , m_keyword(new QLineEdit)
    , m_keywords(makeTree(QStringLiteral("treeKeywords")))
    , m_page(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(viewerTitle);
    setWindowIcon(QIcon(QStringLiteral(":/art/app/icon.svg")));

    auto* search = new QWidget;
    search->setObjectName(QStringLiteral("pageSearch"));
    auto* typeLabel = new QLabel(QStringLiteral("&Type part of the word you are looking for:"));
    auto* pickLabel = new QLabel(QStringLiteral("&Pick a keyword, then a topic:"));
    typeLabel->setBuddy(m_keyword);
    pickLabel->setBuddy(m_keywords);
    m_keyword->setObjectName(QStringLiteral("txtKeyword"));
    auto* column = new QVBoxLayout(search);
    column->addWidget(typeLabel);
    column->addWidget(m_keyword);
    column->addWidget(pickLabel);
    column->addWidget(m_keywords, 1);

    m_tabs->setObjectName(QStringLiteral("tabNavigation"));
    m_tabs->insertTab(ContentsPage, m_contents, QStringLiteral("Contents"));
    m_tabs->insertTab(SearchPage, search, QStringLiteral("Search"));
    m_page->setObjectName(QStringLiteral("browserTopic"));

    auto* split = new QSplitter;
    split->setObjectName(QStringLiteral("splitter"));
    split->addWidget(m_tabs);
    split->addWidget(m_page);
    split->setStretchFactor(1, 1);
    split->setSizes({300, 580});
    setCentralWidget(split);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("tbNavigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"),
                                   m_page, &QTextBrowser::backward);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      QStringLiteral("&Forward"), m_page, &QTextBrowser::forward);
    back->setObjectName(QStringLiteral("actBack"));
    forward->setObjectName(QStringLiteral("actForward"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    for (QTreeWidget* tree : {m_contents, m_keywords}) {
        connect(tree, &QTreeWidget::itemClicked, this, &HelpViewer::openItem);
        connect(tree, &QTreeWidget::itemActivated, this, &HelpViewer::openItem);
    }
    connect(m_keyword, &QLineEdit::textChanged, this, &HelpViewer::filterKeywords);
    connect(m_keyword, &QLineEdit::returnPressed, this, [this] { openItem(m_keywords->currentItem()); });
    connect(m_page, &QTextBrowser::sourceChanged, this, &HelpViewer::topicShown);
    resize(880, 660);
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::handle(const QJsonObject& request)
{
    using platform::help::channel::Command;
    const auto command = Command(request[u"command"].toInt());
    if (command == Command::Quit) {
        close();
        QCoreApplication::quit();
        return;
    }
    if (command != Command::Contents && command != Command::PartialKey)
        return;   // only a question about the state
    if (!openFile(request[u"file"].toString()))
        return;
    if (command == Command::Contents)
        showContents();
    else
        showKeywordSearch(request[u"keyword"].toString());
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

QJsonObject HelpViewer::state() const
{
    static const QString views[] = {QStringLiteral("contents"), QStringLiteral("keywords")};
    return {{QStringLiteral("pid"), QCoreApplication::applicationPid()},
            {QStringLiteral("file"), m_file ? m_file->path() : QString()},
            {QStringLiteral("view"), m_file ? views[m_tabs->currentIndex()] : QString()},
            {QStringLiteral("keyword"), m_keyword->text()},
            {QStringLiteral("topic"), currentTopic()},
            {QStringLiteral("message"), m_message}};
}

bool HelpViewer::openFile(const QString& path)
{
    if (m_file && m_file->path() == QFileInfo(path).absoluteFilePath())
        return true;
    try {
        m_file = std::make_unique<HelpFile>(path);
    } catch (const HelpFileError& e) {
        showMessage(QString::fromUtf8(e.what()));
        return false;
    }
    setWindowTitle(m_file->title());
    fillContents();
    fillKeywords();
    m_page->clearHistory();
    showTopic(m_file->firstTopic());
    return true;
}

void HelpViewer::showContents()
{
    m_tabs->setCurrentIndex(ContentsPage);
    showTopic(m_file->firstTopic());
    m_contents->setFocus();
}

void HelpViewer::showKeywordSearch(const QString& keyword)
{
    m_tabs->setCurrentIndex(SearchPage);
    m_keyword->setText(keyword);
    filterKeywords(keyword);
    m_keyword->setFocus();
    // A keyword given whole goes straight to its topic.
    QTreeWidgetItem* best = m_keywords->currentItem();
    if (!keyword.isEmpty() && best && best->text(0).compare(keyword, Qt::CaseInsensitive) == 0)
        openItem(best);
}

void HelpViewer::showTopic(const QString& name)
{
    m_page->setSource(m_file->topicUrl(name));
}

QString HelpViewer::currentTopic() const
{
    return m_file ? m_file->topicName(m_page->source()) : QString();
}

void HelpViewer::fillContents()
{
    const QIcon book = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon page = style()->standardIcon(QStyle::SP_FileIcon);
    const auto add = [&](const auto& self, const std::vector<ContentsEntry>& entries,
                         QTreeWidgetItem* parent) -> void {
        for (const ContentsEntry& entry : entries) {
            QTreeWidgetItem* item = makeItem(entry.text, entry.topic, entry.topic.isEmpty() ? book : page);
            parent ? parent->addChild(item) : m_contents->addTopLevelItem(item);
            self(self, entry.children, item);
        }
    };
    m_contents->clear();
    add(add, m_file->contents(), nullptr);
    m_contents->expandAll();
}

void HelpViewer::fillKeywords()
{
    m_keywords->clear();
    for (const Keyword& keyword : m_file->keywords()) {
        const bool one = keyword.topics.size() == 1;
        QTreeWidgetItem* item = makeItem(keyword.text, one ? keyword.topics.first() : QString(), {});
        if (!one) {
            for (const QString& name : keyword.topics)
                item->addChild(makeItem(m_file->topics().at(name).title, name, {}));
        }
        m_keywords->addTopLevelItem(item);
    }
}

void HelpViewer::filterKeywords(const QString& typed)
{
    QTreeWidgetItem* starting = nullptr;   // the first keyword that starts with the text
    QTreeWidgetItem* holding = nullptr;    // the first that holds it anywhere
    for (int i = 0; i < m_keywords->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_keywords->topLevelItem(i);
        const bool match = item->text(0).contains(typed, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match && !holding)
            holding = item;
        if (match && !starting && item->text(0).startsWith(typed, Qt::CaseInsensitive))
            starting = item;
    }
    if (QTreeWidgetItem* best = starting ? starting : holding) {
        m_keywords->setCurrentItem(best);
        m_keywords->scrollToItem(best, QAbstractItemView::PositionAtTop);
    }
}

void HelpViewer::openItem(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString topic = item->data(0, TopicRole).toString();
    if (!topic.isEmpty())
        showTopic(topic);
    else
        item->setExpanded(true);
}

void HelpViewer::topicShown(const QUrl& url)
{
    if (!m_file)
        return;
    const QString name = m_file->topicName(url);   // source() still names the topic before
    const auto topic = m_file->topics().find(name);
    if (topic == m_file->topics().end())
        return;
    setWindowTitle(m_file->title() + QStringLiteral(" - ") + topic->second.title);
    const QSignalBlocker quiet(m_contents);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, TopicRole).toString() == name) {
            m_contents->setCurrentItem(*it);
            return;
        }
    }
}

void HelpViewer::showMessage(const QString& text)
{
    m_message = text;
    QTimer::singleShot(0, this, [this, text] {
        platform::msgbox::show(text, platform::msgbox::Icon::None, viewerTitle, isVisible() ? this : nullptr);
        if (!m_file)
            QCoreApplication::quit();
    });
}

} // namespace helpviewer
