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
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList components = windowsPath.split(separators);

    QChar drive = u'c';
    if (!components.isEmpty() && components.first().size() == 2
        && components.first().at(1) == u':' && components.first().at(0).isLetter()) {
        drive = components.takeFirst().at(0).toLower();
    }

    QStringList resolved;
    for (const QString& component : std::as_const(components)) {
        if (component.isEmpty() || component == u".")
            continue;
        if (component == u"..") {
            if (!resolved.isEmpty())
                resolved.removeLast();
            continue;
        }
        resolved.append(component);
    }

    QString path = dataRoot() + QStringLiteral("/drive_") + drive;
    bool onDisk = true;
    for (const QString& component : std::as_const(resolved)) {
        const QString found = onDisk ? existingName(path, component) : QString();
        onDisk = !found.isEmpty();
        path += u'/' + (onDisk ? found : component);
    }
    return path;
}

} // namespace platform::paths
