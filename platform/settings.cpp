#include "platform/settings.h"

#include "platform/identity.h"

#include <QSettings>

namespace platform::settings {

namespace {

QString entry(const QString& section, const QString& key)
{
    return section + u'/' + key;
}

} // namespace

QString get(const QString& app, const QString& section, const QString& key,
            const QString& defaultValue)
{
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, organisationName, app);
    return store.value(entry(section, key), defaultValue).toString();
}

bool save(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, organisationName, app);
    if (!store.isWritable())
        return false;
    store.setValue(entry(section, key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace platform::settings
