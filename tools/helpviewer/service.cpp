#include "tools/helpviewer/service.h"

#include "platform/helpchannel.h"
#include "tools/helpviewer/viewer.h"

#include <QLocalSocket>
#include <QLockFile>
#include <cstdio>

namespace helpviewer {

namespace channel = platform::help::channel;

HelpService::HelpService(HelpViewer& viewer)
    : viewer_(viewer)
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HelpService::accept);
}

bool HelpService::claim(const QJsonObject& request)
{
    // Two viewers starting at once decide one after the other.
    QLockFile lock(channel::lockName());
    lock.tryLock(10000);
    if (channel::exchange(request))
        return false;
    QLocalServer::removeServer(channel::serverName());   // left behind by a viewer that died
    if (!server_.listen(channel::serverName())) {
        std::fprintf(stderr, "zestrel-help: cannot listen at %s: %s\n", qPrintable(channel::serverName()),
                     qPrintable(server_.errorString()));
    }
    return true;
}

void HelpService::accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        answer(socket);
    }
}

void HelpService::answer(QLocalSocket* socket)
{
    while (const auto message = channel::readLine(*socket)) {
        viewer_.handle(*message);
        socket->write(channel::encode(viewer_.state()));
        socket->flush();
    }
}

} // namespace helpviewer
