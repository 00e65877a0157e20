// Builds the supplied recipe database from the readable files of content/.
//   zestrel-builddb CONTENT_DIR OUT_FILE
#include "catalogue/compiler/builder.h"
#include "platform/commandline.h"
#include "platform/database/errors.h"
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the supplied recipe database from the content files."));
    parser.addPositionalArgument(QStringLiteral("content-dir"), QStringLiteral("The content folder."));
    parser.addPositionalArgument(QStringLiteral("out-file"), QStringLiteral("The database file to write."));
    if (const auto exitCode = platform::commandline::parse(parser, platform::commandline::arguments(argc, argv), 2, 2))
        return *exitCode;
    QCoreApplication app(argc, argv);
    const QStringList args = parser.positionalArguments();
    const QString out = args[1];
    const QString temp = out + QStringLiteral(".new");
    QFile::remove(temp);
    try {
        catalogue::buildDatabase(temp, catalogue::loadContent(args[0]));
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
