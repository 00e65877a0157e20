#pragma once
// A memory figure of this process from /proc/self/status, in KiB ("VmRSS", "VmHWM").
#include <QFile>

inline long memoryKiB(const QByteArray& field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    return 0;
}
