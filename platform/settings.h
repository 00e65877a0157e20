#pragma once
// Per-user settings: text values by application name, section and key. Stored as an INI file
// per application, <XDG_CONFIG_HOME>/Zestrel/<app>.ini, one [section] group each.
#include <QString>

namespace platform::settings {

QString get(const QString& app, const QString& section, const QString& key,
            const QString& defaultValue);
// True when the value was written and the file synced.
bool save(const QString& app, const QString& section, const QString& key, const QString& value);

} // namespace platform::settings
