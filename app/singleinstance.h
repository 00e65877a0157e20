#pragma once
// One Zestrel per user. The first start listens on a local socket in the user's runtime folder;
// a later start asks it to bring its window forward and ends. A socket left behind by an
// instance that was killed answers nobody and is replaced by the next start.
#include "platform/localserver.h"

#include <QObject>
#include <QString>

namespace app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    // True when this process is the one instance and now listens; false when a running instance
    // took the request to come forward (this process is then to end).
    bool claim();

    // <runtime folder>/zestrel, where the instance listens.
    static QString serverName();

signals:
    // A later start asked for the window; it has been brought forward.
    void broughtForward();

private:
    platform::local::Server server_;
};

// Brings the open main window forward, or the splash while it is the window open, with a
// message box or the About box that is up over it.
void bringForward();

} // namespace app
