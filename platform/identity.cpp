#include "platform/identity.h"

#include <QCoreApplication>

namespace platform {

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(organisationName);
    QCoreApplication::setApplicationName(applicationTitle);
}

Failure::Failure(const QString& description) : std::runtime_error(description.toStdString()) {}

} // namespace platform
