// Builds the supplied recipe database from the readable files of content/.
//   zestrel-builddb CONTENT_DIR OUT_FILE
#include "catalogue/compiler/builder.h"
#include "platform/database/errors.h"
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zestrel-builddb CONTENT_DIR OUT_FILE\n");
        return 2;
    }
    const QString out = args[2];
    const QString temp = out + QStringLiteral(".new");
    QFile::remove(temp);
    try {
        catalogue::buildDatabase(temp, catalogue::loadContent(args[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zestrel-builddb: %s\n", e.what());
        QFile::remove(temp);
        return 1;
    }
    QFile::remove(out);
    if (!QFile::rename(temp, out)) {
        std::fprintf(stderr, "zestrel-builddb: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
