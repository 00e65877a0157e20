#include "app/singleinstance.h"

#include "platform/forms.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>
#include <cstdio>

namespace app {

namespace {

constexpr int kAnswerMs = 3000;
const QByteArray kRequest = "forward\n";
const QByteArray kAnswer = "done\n";

// Asks a running instance to come forward; true once it answered.
bool handOver()
{
    const QDeadlineTimer deadline(kAnswerMs);
    QLocalSocket socket;
    socket.connectToServer(SingleInstance::serverName());
    if (!socket.waitForConnected(deadline.remainingTime()))
        return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(deadline.remainingTime()))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(deadline.remainingTime()))
            return false;
    }
    return socket.readLine() == kAnswer;
}

void show(QWidget* w)
{
    if (w->isMinimized())
        w->showNormal();
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

QString SingleInstance::serverName()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/zestrel");
}

bool SingleInstance::claim()
{
    // Two starts at once decide one after the other. A lock left by a killed process is taken
    // over (QLockFile checks its process); one that is held for long does not stop this start.
    QLockFile lock(serverName() + QStringLiteral(".lock"));
    lock.tryLock(10000);
    if (handOver())
        return false;
    QLocalServer::removeServer(serverName()); // left behind by an instance that was killed
    if (!server_.listen(serverName()))
        std::fprintf(stderr, "zestrel: cannot listen at %s: %s\n", qPrintable(serverName()),
                     qPrintable(server_.errorString()));
    return true;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto answer = [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRequest) {
                bringForward();
                socket->write(kAnswer);
                socket->flush();
                emit broughtForward();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, answer);
        answer();
    }
}

void bringForward()
{
    QWidget* window = platform::forms::find(QStringLiteral("frmMain"));
    if (!window)
        window = platform::forms::find(QStringLiteral("frmSplash"));
    if (window)
        show(window);
    if (QWidget* modal = QApplication::activeModalWidget())
        show(modal);
}

} // namespace app
