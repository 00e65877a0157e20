#include "tools/helpviewer/owner.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

namespace helpviewer {

bool quitWithProcess(qint64 pid)
{
    // The process's descriptor turns readable when the process ends, whoever its parent is.
    const int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
    if (fd < 0) {
        if (errno == ESRCH)
            return false;
        std::fprintf(stderr, "zestrel-help: cannot watch process %lld: %s\n", pid, std::strerror(errno));
        return true;
    }
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    QObject::connect(notifier, &QObject::destroyed, [fd] { ::close(fd); });
    return true;
}

} // namespace helpviewer
