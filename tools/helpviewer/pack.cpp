// zestrel-helppack RESOURCE HELPFILE: seals the help topics, packed by rcc, into the help file.
#include "tools/helpviewer/seal.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zestrel-helppack RESOURCE HELPFILE\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "zestrel-helppack: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    const QByteArray sealed = helpviewer::sealHelp(in.readAll());
    return out.write(sealed) == sealed.size() && out.flush() ? 0 : 1;
}
