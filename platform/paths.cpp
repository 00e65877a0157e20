#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform::paths {

namespace {

// The name under which `component` exists in `folder`, or an empty string.
QString existingName(const QString& folder, const QString& component)
{
    const QDir dir(folder);
    if (dir.exists(component))
        return component;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                  | QDir::NoDotAndDotDot,
                                              QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString dataRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString resolve(const QString& windowsPath)
{
    QString relative = windowsPath;
    QChar drive = u'c';
    if (relative.size() >= 2 && relative.at(1) == u':' && relative.at(0).isLetter()
        && (relative.size() == 2 || relative.at(2) == u'\\' || relative.at(2) == u'/')) {
        drive = relative.at(0).toLower();
        relative = relative.mid(2);
    }
    return underIgnoringCase(dataRoot() + QStringLiteral("/drive_") + drive, relative);
}

QString underIgnoringCase(const QString& root, const QString& relative)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList resolved;
    for (const QString& component : relative.split(separators)) {
        if (component.isEmpty() || component == u".")
            continue;
        if (component == u"..") {
            if (!resolved.isEmpty())
                resolved.removeLast();
            continue;
        }
        resolved.append(component);
    }

    QString path = root == u"/" ? QString() : root;
    bool onDisk = true;
    for (const QString& component : std::as_const(resolved)) {
        const QString found = onDisk ? existingName(path.isEmpty() ? QStringLiteral("/") : path, component) : QString();
        onDisk = !found.isEmpty();
        path += u'/' + (onDisk ? found : component);
    }
    return path.isEmpty() ? root : path;
}

} // namespace platform::paths
