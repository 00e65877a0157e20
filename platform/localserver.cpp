#include "platform/localserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform::local {

namespace {

constexpr qsizetype kLongestLine = 64 * 1024; // a peer that sends a longer line is dropped
constexpr int kLockWaitMs = 10000;

struct Address {
    sockaddr_un un{};
    bool valid = false;
    explicit Address(const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        un.sun_family = AF_UNIX;
        valid = !name.isEmpty() && size_t(name.size()) < sizeof(un.sun_path);
        if (valid)
            std::memcpy(un.sun_path, name.constData(), size_t(name.size()));
    }
    const sockaddr* raw() const { return reinterpret_cast<const sockaddr*>(&un); }
};

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Waits for `events` on `fd` until the deadline; false when it passed.
bool await(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, int(deadline.remainingTime()));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

bool sendAll(int fd, QByteArray data, const QDeadlineTimer& deadline)
{
    while (!data.isEmpty()) {
        const ssize_t sent = ::send(fd, data.constData(), size_t(data.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            data.remove(0, sent);
            continue;
        }
        if (sent < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (!await(fd, POLLOUT, deadline))
            return false;
    }
    return true;
}

int socketFd()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Held while a starter decides whether to serve. The system lets go of it when the process ends,
// so a killed starter holds up nobody; one that holds it for long does not stop this start.
class StartLock {
public:
    explicit StartLock(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_CREAT | O_RDWR | O_CLOEXEC, 0600))
    {
        const QDeadlineTimer deadline(kLockWaitMs);
        while (fd_.get() >= 0 && ::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)
               && !deadline.hasExpired())
            ::poll(nullptr, 0, 10);
    }

private:
    Fd fd_; // closing it lets go of the lock
};

} // namespace

std::optional<QByteArray> exchange(const QString& path, const QByteArray& line, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const Address address(path);
    Fd fd(socketFd());
    if (!address.valid || fd.get() < 0)
        return std::nullopt;
    // A local connection is made at once or refused; a server whose queue is full is asked again.
    while (::connect(fd.get(), address.raw(), sizeof address.un) != 0) {
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            return std::nullopt;
        ::poll(nullptr, 0, 10);
    }
    if (!sendAll(fd.get(), line + '\n', deadline))
        return std::nullopt;
    QByteArray answer;
    char chunk[4096];
    while (!answer.contains('\n')) {
        const ssize_t got = ::recv(fd.get(), chunk, sizeof chunk, 0);
        if (got > 0) {
            answer.append(chunk, got);
            if (answer.size() > kLongestLine && !answer.contains('\n'))
                return std::nullopt;
            continue;
        }
        if (got == 0 || (errno != EAGAIN && errno != EINTR) || !await(fd.get(), POLLIN, deadline))
            return std::nullopt;
    }
    return answer.left(answer.indexOf('\n'));
}

struct Server::Peer {
    std::unique_ptr<QSocketNotifier> readable;
    QByteArray pending;
};

Server::Server(QString path, Answer answer, QObject* parent)
    : QObject(parent), path_(std::move(path)), answer_(std::move(answer))
{
}

Server::~Server()
{
    while (!peers_.empty())
        drop(peers_.begin()->first);
    if (listener_ >= 0) {
        listening_.reset();
        ::close(listener_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

bool Server::claim(const QByteArray& request, int timeoutMs)
{
    const StartLock lock(path_ + QStringLiteral(".lock"));
    if (exchange(path_, request, timeoutMs))
        return false;
    const QByteArray name = QFile::encodeName(path_);
    ::unlink(name.constData()); // left behind by a server that died
    const Address address(path_);
    Fd fd(socketFd());
    // Only this user may connect: the socket is made with no permissions for anyone else.
    const mode_t mask = ::umask(077);
    const bool bound = address.valid && fd.get() >= 0 && ::bind(fd.get(), address.raw(), sizeof address.un) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd.get(), SOMAXCONN) != 0) {
        std::fprintf(stderr, "%s: cannot listen at %s: %s\n", program_invocation_short_name, name.constData(),
                     std::strerror(errno));
        return true;
    }
    listener_ = fd.release();
    listening_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(listening_.get(), &QSocketNotifier::activated, this, &Server::accept);
    return true;
}

void Server::accept()
{
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        auto peer = std::make_unique<Peer>();
        peer->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(peer->readable.get(), &QSocketNotifier::activated, this, [this, fd] { read(fd); });
        peers_[fd] = std::move(peer);
        read(fd);
    }
}

void Server::read(int fd)
{
    const auto found = peers_.find(fd);
    if (found == peers_.end())
        return;
    QByteArray& pending = found->second->pending;
    QSocketNotifier& readable = *found->second->readable;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
            return drop(fd);
        if (got < 0)
            return; // the rest when it comes
        pending.append(chunk, got);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            // Answering may open a message box, whose event loop must not read this peer meanwhile.
            readable.setEnabled(false);
            const std::optional<QByteArray> reply = answer_(line);
            readable.setEnabled(true);
            if (!reply || !sendAll(fd, *reply + '\n', QDeadlineTimer(kLockWaitMs)))
                return drop(fd);
        }
        if (pending.size() > kLongestLine)
            return drop(fd);
    }
}

void Server::drop(int fd)
{
    peers_.erase(fd); // the notifier goes before its descriptor closes
    ::close(fd);
}

} // namespace platform::local
