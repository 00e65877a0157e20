#pragma once
// A program for tests that start programs: a shell script that creates the marker file when it
// runs, so a test sees that (and whether) it was started.
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing {

inline bool writeMarkerScript(const QString& path, const QString& marker, bool executable = true)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFile::ExeOwner);
}

} // namespace testing
