#include "platform/application.h"

#include "platform/controls.h"

#include <QIcon>

#include <cstdio>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationIdentity();
    setFont(windowFont());
    // Every window of ours carries the application's icon, from the art each program links in.
    setWindowIcon(QIcon(QStringLiteral(":/art/app/icon.svg")));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zestrel: a failure escaped its handler: %s\n", e.what());
        return false;
    }
}

} // namespace platform
