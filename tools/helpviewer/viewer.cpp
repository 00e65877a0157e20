#include "tools/helpviewer/viewer.h"

#include "platform/helpchannel.h"
#include "platform/msgbox.h"
#include "platform/windowparts.h"

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
    : tabs_(new QTabWidget)
    , contents_(makeTree(QStringLiteral("treeContents")))
    , keyword_(new QLineEdit)
    , keywords_(makeTree(QStringLiteral("treeKeywords")))
    , page_(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(viewerTitle);

    auto* search = new QWidget;
    search->setObjectName(QStringLiteral("pageSearch"));
    auto* typeLabel = new QLabel(QStringLiteral("&Type part of the word you are looking for:"));
    auto* pickLabel = new QLabel(QStringLiteral("&Pick a keyword, then a topic:"));
    typeLabel->setBuddy(keyword_);
    pickLabel->setBuddy(keywords_);
    keyword_->setObjectName(QStringLiteral("txtKeyword"));
    platform::nameAfterLabel(keyword_, typeLabel->text());
    auto* column = new QVBoxLayout(search);
    column->addWidget(typeLabel);
    column->addWidget(keyword_);
    column->addWidget(pickLabel);
    column->addWidget(keywords_, 1);

    tabs_->setObjectName(QStringLiteral("tabNavigation"));
    tabs_->insertTab(ContentsPage, contents_, QStringLiteral("Contents"));
    tabs_->insertTab(SearchPage, search, QStringLiteral("Search"));
    page_->setObjectName(QStringLiteral("browserTopic"));
    // The topics' colours are chosen for paper: the page stays white under any desktop colours.
    QPalette paper = page_->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, QColor(0x20, 0x20, 0x20));
    page_->setPalette(paper);

    auto* split = new QSplitter;
    split->setObjectName(QStringLiteral("splitter"));
    split->addWidget(tabs_);
    split->addWidget(page_);
    split->setStretchFactor(1, 1);
    split->setSizes({300, 580});
    setCentralWidget(split);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("tbNavigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"),
                                   page_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      QStringLiteral("&Forward"), page_, &QTextBrowser::forward);
    back->setObjectName(QStringLiteral("actBack"));
    forward->setObjectName(QStringLiteral("actForward"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(page_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    for (QTreeWidget* tree : {contents_, keywords_}) {
        connect(tree, &QTreeWidget::itemClicked, this, &HelpViewer::openItem);
        connect(tree, &QTreeWidget::itemActivated, this, &HelpViewer::openItem);
    }
    connect(keyword_, &QLineEdit::textChanged, this, &HelpViewer::filterKeywords);
    connect(keyword_, &QLineEdit::returnPressed, this, [this] { openItem(keywords_->currentItem()); });
    connect(page_, &QTextBrowser::sourceChanged, this, &HelpViewer::topicShown);
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
            {QStringLiteral("file"), file_ ? file_->path() : QString()},
            {QStringLiteral("view"), file_ ? views[tabs_->currentIndex()] : QString()},
            {QStringLiteral("keyword"), keyword_->text()},
            {QStringLiteral("topic"), currentTopic()},
            {QStringLiteral("message"), message_}};
}

bool HelpViewer::openFile(const QString& path)
{
    if (file_ && file_->path() == QFileInfo(path).absoluteFilePath())
        return true;
    try {
        file_ = std::make_unique<HelpFile>(path);
    } catch (const HelpFileError& e) {
        showMessage(QString::fromUtf8(e.what()));
        return false;
    }
    setWindowTitle(file_->title());
    fillContents();
    fillKeywords();
    page_->clearHistory();
    showTopic(file_->firstTopic());
    return true;
}

void HelpViewer::showContents()
{
    tabs_->setCurrentIndex(ContentsPage);
    showTopic(file_->firstTopic());
    contents_->setFocus();
}

void HelpViewer::showKeywordSearch(const QString& keyword)
{
    tabs_->setCurrentIndex(SearchPage);
    keyword_->setText(keyword);
    filterKeywords(keyword);
    keyword_->setFocus();
    // A keyword given whole goes straight to its topic.
    QTreeWidgetItem* best = keywords_->currentItem();
    if (!keyword.isEmpty() && best && best->text(0).compare(keyword, Qt::CaseInsensitive) == 0)
        openItem(best);
}

void HelpViewer::showTopic(const QString& name)
{
    page_->setSource(file_->topicUrl(name));
}

QString HelpViewer::currentTopic() const
{
    return file_ ? file_->topicName(page_->source()) : QString();
}

void HelpViewer::fillContents()
{
    const QIcon book = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon page = style()->standardIcon(QStyle::SP_FileIcon);
    const auto add = [&](const auto& self, const std::vector<ContentsEntry>& entries,
                         QTreeWidgetItem* parent) -> void {
        for (const ContentsEntry& entry : entries) {
            QTreeWidgetItem* item = makeItem(entry.text, entry.topic, entry.topic.isEmpty() ? book : page);
            parent ? parent->addChild(item) : contents_->addTopLevelItem(item);
            self(self, entry.children, item);
        }
    };
    contents_->clear();
    add(add, file_->contents(), nullptr);
    contents_->expandAll();
}

void HelpViewer::fillKeywords()
{
    keywords_->clear();
    for (const Keyword& keyword : file_->keywords()) {
        const bool one = keyword.topics.size() == 1;
        QTreeWidgetItem* item = makeItem(keyword.text, one ? keyword.topics.first() : QString(), {});
        if (!one) {
            for (const QString& name : keyword.topics)
                item->addChild(makeItem(file_->topics().at(name).title, name, {}));
        }
        keywords_->addTopLevelItem(item);
    }
}

void HelpViewer::filterKeywords(const QString& typed)
{
    QTreeWidgetItem* starting = nullptr;   // the first keyword that starts with the text
    QTreeWidgetItem* holding = nullptr;    // the first that holds it anywhere
    for (int i = 0; i < keywords_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = keywords_->topLevelItem(i);
        const bool match = item->text(0).contains(typed, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match && !holding)
            holding = item;
        if (match && !starting && item->text(0).startsWith(typed, Qt::CaseInsensitive))
            starting = item;
    }
    if (QTreeWidgetItem* best = starting ? starting : holding) {
        keywords_->setCurrentItem(best);
        keywords_->scrollToItem(best, QAbstractItemView::PositionAtTop);
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
    if (!file_)
        return;
    const QString name = file_->topicName(url);   // source() still names the topic before
    const auto topic = file_->topics().find(name);
    if (topic == file_->topics().end())
        return;
    setWindowTitle(file_->title() + QStringLiteral(" - ") + topic->second.title);
    const QSignalBlocker quiet(contents_);
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        if ((*it)->data(0, TopicRole).toString() == name) {
            contents_->setCurrentItem(*it);
            return;
        }
    }
}

void HelpViewer::showMessage(const QString& text)
{
    message_ = text;
    QTimer::singleShot(0, this, [this, text] {
        platform::msgbox::show(text, platform::msgbox::Icon::None, viewerTitle, isVisible() ? this : nullptr);
        if (!file_)
            QCoreApplication::quit();
    });
}

} // namespace helpviewer
