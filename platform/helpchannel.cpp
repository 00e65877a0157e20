#include "platform/helpchannel.h"

#include "platform/localserver.h"

#include <QJsonDocument>
#include <QStandardPaths>

namespace platform::help::channel {

QString serverName()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/zestrel-help");
}

QByteArray encode(const QJsonObject& message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QJsonObject decode(const QByteArray& line)
{
    return QJsonDocument::fromJson(line.trimmed()).object();
}

std::optional<QJsonObject> exchange(const QJsonObject& message, int timeoutMs)
{
    if (const auto answer = local::exchange(serverName(), encode(message), timeoutMs))
        return decode(*answer);
    return std::nullopt;
}

} // namespace platform::help::channel
