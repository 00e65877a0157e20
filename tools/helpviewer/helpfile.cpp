#include "tools/helpviewer/helpfile.h"
#include "tools/helpviewer/seal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QResource>
#include <QTextDocumentFragment>

namespace helpviewer {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw HelpFileError(message.toStdString());
}

// Far more than the help holds; a larger file is not read into memory.
constexpr qint64 kLargestHelpFile = 64 * 1024 * 1024;

const uchar* mapped(const QByteArray& resource) { return reinterpret_cast<const uchar*>(resource.constData()); }

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Text of an HTML fragment, entities decoded.
QString plain(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QString firstMatch(const QRegularExpression& re, const QString& text)
{
    return re.match(text).captured(1);
}

QString readText(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Depth first, in the order the contents show.
QString firstTopicIn(const std::vector<ContentsEntry>& entries)
{
    for (const ContentsEntry& entry : entries) {
        if (!entry.topic.isEmpty())
            return entry.topic;
        if (QString found = firstTopicIn(entry.children); !found.isEmpty())
            return found;
    }
    return {};
}

qsizetype leadingSpaces(const QString& line)
{
    qsizetype n = 0;
    while (n < line.size() && line[n] == u' ')
        ++n;
    return n;
}

} // namespace

HelpFile::HelpFile(const QString& path)
    : path_(QFileInfo(path).absoluteFilePath())
{
    static int opened = 0;
    const QFileInfo info(path);
    if (!info.exists())
        fail(QStringLiteral("The help file %1 is not there.").arg(shown(path)));
    if (!info.isFile() || !info.isReadable())
        fail(QStringLiteral("The help file %1 cannot be read.").arg(shown(path)));
    QFile file(path_);
    if (info.size() > kLargestHelpFile || !file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("The help file %1 cannot be read.").arg(shown(path)));
    resource_ = unsealHelp(file.readAll()).value_or(QByteArray());
    root_ = QStringLiteral("/helpfile%1").arg(++opened);
    if (resource_.isEmpty() || !QResource::registerResource(mapped(resource_), root_))
        fail(QStringLiteral("The file %1 is not a Zestrel help file, or it is damaged.").arg(shown(path)));
    try {
        readTopics();
        readContents();
    } catch (...) {
        QResource::unregisterResource(mapped(resource_), root_);
        throw;
    }
}

HelpFile::~HelpFile()
{
    QResource::unregisterResource(mapped(resource_), root_);
}

void HelpFile::readTopics()
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption
                                              | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression keywords(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);

    std::map<QString, Keyword> index;   // by the keyword's case-folded text
    const QDir folder(u':' + root_ + QStringLiteral("/topics"));
    for (const QString& name : folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QString html = readText(folder.filePath(name));
        Topic topic{name, plain(firstMatch(title, html)), {}};
        for (const QString& word : firstMatch(keywords, html).split(u';')) {
            const QString text = plain(word);
            if (text.isEmpty() || topic.keywords.contains(text))
                continue;
            topic.keywords.append(text);
            Keyword& entry = index[text.toCaseFolded()];
            if (entry.text.isEmpty())
                entry.text = text;
            if (!entry.topics.contains(name))
                entry.topics.append(name);
        }
        topics_.emplace(name, std::move(topic));
    }
    for (auto& [folded, keyword] : index)
        keywords_.push_back(std::move(keyword));
}

void HelpFile::readContents()
{
    const auto damaged = [this](int line, const QString& why) {
        fail(QStringLiteral("The file %1 is not a Zestrel help file, or it is damaged (contents line %2: %3).")
                 .arg(shown(path_))
                 .arg(line)
                 .arg(why));
    };
    const QString text = readText(u':' + root_ + QStringLiteral("/contents.txt"));
    if (text.isEmpty() || topics_.empty())
        damaged(0, QStringLiteral("no contents or no topics"));

    // levels[n]: the list that takes an entry indented n steps.
    std::vector<std::vector<ContentsEntry>*> levels{&contents_};
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        if (line.startsWith(QStringLiteral("title:"))) {
            title_ = line.mid(6).trimmed();
            continue;
        }
        const qsizetype indent = leadingSpaces(line);
        const qsizetype level = indent / 2;
        if (indent % 2 != 0 || level >= qsizetype(levels.size()))
            damaged(i + 1, QStringLiteral("indented wrongly"));
        const QStringList parts = line.trimmed().split(QStringLiteral(" = "));
        ContentsEntry entry{parts[0].trimmed(), parts.size() > 1 ? parts[1].trimmed() : QString(), {}};
        if (!entry.topic.isEmpty() && !topics_.count(entry.topic))
            damaged(i + 1, QStringLiteral("no topic %1").arg(entry.topic));
        levels.resize(level + 1);
        levels[level]->push_back(std::move(entry));
        levels.push_back(&levels[level]->back().children);
    }
    if (title_.isEmpty())
        damaged(0, QStringLiteral("no title"));
}

QString HelpFile::firstTopic() const
{
    return firstTopicIn(contents_);
}

QUrl HelpFile::topicUrl(const QString& name) const
{
    return QUrl(QStringLiteral("qrc:") + root_ + QStringLiteral("/topics/") + name);
}

QString HelpFile::topicName(const QUrl& url) const
{
    const QString prefix = root_ + QStringLiteral("/topics/");
    if (url.scheme() != u"qrc" || !url.path().startsWith(prefix))
        return {};
    return url.path().mid(prefix.size());
}

} // namespace helpviewer
