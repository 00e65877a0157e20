#pragma once
// One server per user on a local socket: whoever starts first listens, a later starter hands its
// request to it and ends. Requests and answers are single lines. Plain sockets, so that a program
// that only needs this does not load a network library at start.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace platform::local {

// Sends `line` to the server at `path` and returns its one-line answer (without the line end);
// nothing when nobody answers within `timeoutMs`.
std::optional<QByteArray> exchange(const QString& path, const QByteArray& line, int timeoutMs);

class Server : public QObject {
public:
    // Answers one request line; nothing ends the connection.
    using Answer = std::function<std::optional<QByteArray>(const QByteArray& line)>;
    Server(QString path, Answer answer, QObject* parent = nullptr);
    ~Server() override; // stops listening and removes the socket

    // Decides, one starter at a time (a lock file beside the socket), whether this process serves:
    // true when it now listens at the path (a socket left by a server that died is replaced), false
    // when a running server answered `request`.
    bool claim(const QByteArray& request, int timeoutMs);

private:
    struct Peer;
    void accept();
    void read(int fd);
    void drop(int fd);

    const QString path_;
    const Answer answer_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    std::map<int, std::unique_ptr<Peer>> peers_;
};

} // namespace platform::local
