#include "platform/application.h"

#include "platform/controls.h"
#include "platform/cursor.h"

namespace platform {

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(organisationName);
    QCoreApplication::setApplicationName(msgbox::applicationTitle);
}

void report(const std::exception& e)
{
    // The failed operation ends here: an hourglass set on its way (a data control's Validate)
    // would otherwise stay, since no Reposition follows.
    cursor::set(cursor::Shape::Arrow);
    msgbox::show(QString::fromUtf8(e.what()));
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationIdentity();
    setFont(windowFont());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        report(e);
        return false;
    }
}

} // namespace platform
