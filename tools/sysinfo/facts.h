#pragma once
// What the system information tool shows: named facts in sections (system, memory, displays,
// libraries), gathered from the running system.
#include <QByteArray>
#include <QList>
#include <QString>

namespace sysinfo {

struct Fact {
    QString name;
    QString value;
};

struct Section {
    QString title;
    QList<Fact> facts;
};

// Every section, read now. Needs a QGuiApplication for the displays.
QList<Section> gather();

// Total and available memory and swap from the text of /proc/meminfo, each as a size and the
// exact kB count ("15.5 GiB (16254732 kB)"); a line that is missing is left out.
QList<Fact> memoryFacts(const QByteArray& meminfo);

} // namespace sysinfo
