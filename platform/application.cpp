#include "platform/application.h"

#include "platform/controls.h"

#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <fontconfig/fontconfig.h>

namespace platform {

FontConfigReader::FontConfigReader() : thread_([] { FcInit(); }) {}

FontConfigReader::~FontConfigReader()
{
    finish();
}

void FontConfigReader::finish()
{
    if (thread_.joinable())
        thread_.join();
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    finish();
    setApplicationIdentity();
    setFont(windowFont());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    if (!iconSet_ && event->type() == QEvent::Paint) {
        iconSet_ = true; // the icon from the art each program links in
        QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QStringLiteral(":/art/app/icon.svg"))); });
    }
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zestrel: a failure escaped its handler: %s\n", e.what());
        return false;
    }
}

} // namespace platform
