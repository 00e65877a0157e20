#include "platform/helpchannel.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QStandardPaths>

namespace platform::help::channel {

namespace {

QString runtimeFile(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' + name;
}

} // namespace

QString serverName()
{
    return runtimeFile(QStringLiteral("zestrel-help"));
}

QString lockName()
{
    return runtimeFile(QStringLiteral("zestrel-help.lock"));
}

QByteArray encode(const QJsonObject& message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> readLine(QLocalSocket& socket)
{
    if (!socket.canReadLine())
        return std::nullopt;
    return QJsonDocument::fromJson(socket.readLine().trimmed()).object();
}

std::optional<QJsonObject> exchange(const QJsonObject& message, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(deadline.remainingTime()))
        return std::nullopt;
    socket.write(encode(message));
    if (!socket.waitForBytesWritten(deadline.remainingTime()))
        return std::nullopt;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(deadline.remainingTime()))
            return std::nullopt;
    }
    return readLine(socket);
}

} // namespace platform::help::channel
